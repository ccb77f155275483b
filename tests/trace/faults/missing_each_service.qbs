# The second library layer fetches its services at every activation and stops
# at the first one missing: each service of its list missing in turn ends the
# activation with 2, after the lookups up to that service and no further.  The
# tool does not run (no panel, no command), and once the service is back the
# same tool starts normally.
mesh Cube
select Cube
trace lookups on
# -- QB:ItemVisible without "LW Bone Info 6"
missing "LW Bone Info 6"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: result 2
provide "LW Bone Info 6"
# -- QB:ItemVisible without "LW Fog Info"
missing "LW Fog Info"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: result 2
provide "LW Fog Info"
# -- QB:ItemVisible without "LW Camera Info 10"
missing "LW Camera Info 10"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: result 2
provide "LW Camera Info 10"
# -- QB:ItemVisible without "LW Interface Info 7"
missing "LW Interface Info 7"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: result 2
provide "LW Interface Info 7"
# -- QB:ItemVisible without "LW Item Info 8"
missing "LW Item Info 8"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: result 2
provide "LW Item Info 8"
# -- QB:ItemVisible without "LW Object Info 12"
missing "LW Object Info 12"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: result 2
provide "LW Object Info 12"
# -- QB:ItemVisible without "LW Scene Info 11"
missing "LW Scene Info 11"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: result 2
provide "LW Scene Info 11"
# -- QB:ItemVisible without "LW Time Info"
missing "LW Time Info"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: result 2
provide "LW Time Info"
# -- QB:ItemVisible without "LW Command Interface"
missing "LW Command Interface"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: result 2
provide "LW Command Interface"
# -- QB:ItemVisible without "Animation Envelopes 2"
missing "Animation Envelopes 2"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: result 2
provide "Animation Envelopes 2"
# -- QB:ItemVisible without "Channel Info 2"
missing "Channel Info 2"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: result 2
provide "Channel Info 2"
# -- QB:ItemVisible without "Color Picker"
missing "Color Picker"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: result 2
provide "Color Picker"
# -- QB:ItemVisible without "ContextMenuServices"
missing "ContextMenuServices"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: result 2
provide "ContextMenuServices"
# -- QB:ItemVisible without "Directory Info"
missing "Directory Info"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: result 2
provide "Directory Info"
# -- QB:ItemVisible without "File Request"
missing "File Request"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: result 2
provide "File Request"
# -- QB:ItemVisible without "File Request 2"
missing "File Request 2"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: result 2
provide "File Request 2"
# -- QB:ItemVisible without "Image Utility 5"
missing "Image Utility 5"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: result 2
provide "Image Utility 5"
# -- QB:ItemVisible without "LW Image List 8"
missing "LW Image List 8"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: result 2
provide "LW Image List 8"
# -- QB:ItemVisible without "Info Messages 3"
missing "Info Messages 3"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: result 2
provide "Info Messages 3"
# -- QB:ItemVisible without "Instance Update"
missing "Instance Update"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: result 2
provide "Instance Update"
# -- QB:ItemVisible without "Locale Info"
missing "Locale Info"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: result 2
provide "Locale Info"
# -- QB:ItemVisible without "LWPanelServices 2"
missing "LWPanelServices 2"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LWPanelServices 2
# CHECK-NEXT: result 2
provide "LWPanelServices 2"
# -- QB:ItemVisible without "RasterServices 2"
missing "RasterServices 2"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LWPanelServices 2
# CHECK-NEXT: lookup RasterServices 2
# CHECK-NEXT: result 2
provide "RasterServices 2"
# -- QB:ItemVisible without "Scene Objects 8"
missing "Scene Objects 8"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LWPanelServices 2
# CHECK-NEXT: lookup RasterServices 2
# CHECK-NEXT: lookup Scene Objects 8
# CHECK-NEXT: result 2
provide "Scene Objects 8"
# -- QB:ItemVisible without "LWShelfFuncs"
missing "LWShelfFuncs"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LWPanelServices 2
# CHECK-NEXT: lookup RasterServices 2
# CHECK-NEXT: lookup Scene Objects 8
# CHECK-NEXT: lookup LWShelfFuncs
# CHECK-NEXT: result 2
provide "LWShelfFuncs"
# -- QB:ItemVisible without "Surface Functions 5"
missing "Surface Functions 5"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LWPanelServices 2
# CHECK-NEXT: lookup RasterServices 2
# CHECK-NEXT: lookup Scene Objects 8
# CHECK-NEXT: lookup LWShelfFuncs
# CHECK-NEXT: lookup Surface Functions 5
# CHECK-NEXT: result 2
provide "Surface Functions 5"
# -- QB:ItemVisible without "LWXPanel 2"
missing "LWXPanel 2"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LWPanelServices 2
# CHECK-NEXT: lookup RasterServices 2
# CHECK-NEXT: lookup Scene Objects 8
# CHECK-NEXT: lookup LWShelfFuncs
# CHECK-NEXT: lookup Surface Functions 5
# CHECK-NEXT: lookup LWXPanel 2
# CHECK-NEXT: result 2
provide "LWXPanel 2"
# -- QB:ItemVisible without "LSUniversalRequester"
missing "LSUniversalRequester"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LWPanelServices 2
# CHECK-NEXT: lookup RasterServices 2
# CHECK-NEXT: lookup Scene Objects 8
# CHECK-NEXT: lookup LWShelfFuncs
# CHECK-NEXT: lookup Surface Functions 5
# CHECK-NEXT: lookup LWXPanel 2
# CHECK-NEXT: lookup LSUniversalRequester
# CHECK-NEXT: result 2
provide "LSUniversalRequester"
# -- QB:ItemVisible without "LW Communication Ring"
missing "LW Communication Ring"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LWPanelServices 2
# CHECK-NEXT: lookup RasterServices 2
# CHECK-NEXT: lookup Scene Objects 8
# CHECK-NEXT: lookup LWShelfFuncs
# CHECK-NEXT: lookup Surface Functions 5
# CHECK-NEXT: lookup LWXPanel 2
# CHECK-NEXT: lookup LSUniversalRequester
# CHECK-NEXT: lookup LW Communication Ring
# CHECK-NEXT: result 2
provide "LW Communication Ring"
# -- QB:ItemVisible without "NodeInputFuncs 5"
missing "NodeInputFuncs 5"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LWPanelServices 2
# CHECK-NEXT: lookup RasterServices 2
# CHECK-NEXT: lookup Scene Objects 8
# CHECK-NEXT: lookup LWShelfFuncs
# CHECK-NEXT: lookup Surface Functions 5
# CHECK-NEXT: lookup LWXPanel 2
# CHECK-NEXT: lookup LSUniversalRequester
# CHECK-NEXT: lookup LW Communication Ring
# CHECK-NEXT: lookup NodeInputFuncs 5
# CHECK-NEXT: result 2
provide "NodeInputFuncs 5"
# -- QB:ItemVisible without "NodeOutputFuncs 4"
missing "NodeOutputFuncs 4"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LWPanelServices 2
# CHECK-NEXT: lookup RasterServices 2
# CHECK-NEXT: lookup Scene Objects 8
# CHECK-NEXT: lookup LWShelfFuncs
# CHECK-NEXT: lookup Surface Functions 5
# CHECK-NEXT: lookup LWXPanel 2
# CHECK-NEXT: lookup LSUniversalRequester
# CHECK-NEXT: lookup LW Communication Ring
# CHECK-NEXT: lookup NodeInputFuncs 5
# CHECK-NEXT: lookup NodeOutputFuncs 4
# CHECK-NEXT: result 2
provide "NodeOutputFuncs 4"
# -- QB:ItemVisible without "NodeFuncs 2"
missing "NodeFuncs 2"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LWPanelServices 2
# CHECK-NEXT: lookup RasterServices 2
# CHECK-NEXT: lookup Scene Objects 8
# CHECK-NEXT: lookup LWShelfFuncs
# CHECK-NEXT: lookup Surface Functions 5
# CHECK-NEXT: lookup LWXPanel 2
# CHECK-NEXT: lookup LSUniversalRequester
# CHECK-NEXT: lookup LW Communication Ring
# CHECK-NEXT: lookup NodeInputFuncs 5
# CHECK-NEXT: lookup NodeOutputFuncs 4
# CHECK-NEXT: lookup NodeFuncs 2
# CHECK-NEXT: result 2
provide "NodeFuncs 2"
# -- QB:ItemVisible without "LW Light Info 6"
missing "LW Light Info 6"
activate QB:ItemVisible
# CHECK: lookup Product Info
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LWPanelServices 2
# CHECK-NEXT: lookup RasterServices 2
# CHECK-NEXT: lookup Scene Objects 8
# CHECK-NEXT: lookup LWShelfFuncs
# CHECK-NEXT: lookup Surface Functions 5
# CHECK-NEXT: lookup LWXPanel 2
# CHECK-NEXT: lookup LSUniversalRequester
# CHECK-NEXT: lookup LW Communication Ring
# CHECK-NEXT: lookup NodeInputFuncs 5
# CHECK-NEXT: lookup NodeOutputFuncs 4
# CHECK-NEXT: lookup NodeFuncs 2
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup LW Light Info 6
# CHECK-NEXT: result 2
provide "LW Light Info 6"
trace lookups off
# -- QB:NameReplace, each service missing in turn
missing "LW Bone Info 6"
activate QB:NameReplace
# CHECK: result 2
provide "LW Bone Info 6"
missing "LW Fog Info"
activate QB:NameReplace
# CHECK: result 2
provide "LW Fog Info"
missing "LW Camera Info 10"
activate QB:NameReplace
# CHECK: result 2
provide "LW Camera Info 10"
missing "LW Interface Info 7"
activate QB:NameReplace
# CHECK: result 2
provide "LW Interface Info 7"
missing "LW Item Info 8"
activate QB:NameReplace
# CHECK: result 2
provide "LW Item Info 8"
missing "LW Object Info 12"
activate QB:NameReplace
# CHECK: result 2
provide "LW Object Info 12"
missing "LW Scene Info 11"
activate QB:NameReplace
# CHECK: result 2
provide "LW Scene Info 11"
missing "LW Time Info"
activate QB:NameReplace
# CHECK: result 2
provide "LW Time Info"
missing "LW Command Interface"
activate QB:NameReplace
# CHECK: result 2
provide "LW Command Interface"
missing "Animation Envelopes 2"
activate QB:NameReplace
# CHECK: result 2
provide "Animation Envelopes 2"
missing "Channel Info 2"
activate QB:NameReplace
# CHECK: result 2
provide "Channel Info 2"
missing "Color Picker"
activate QB:NameReplace
# CHECK: result 2
provide "Color Picker"
missing "ContextMenuServices"
activate QB:NameReplace
# CHECK: result 2
provide "ContextMenuServices"
missing "Directory Info"
activate QB:NameReplace
# CHECK: result 2
provide "Directory Info"
missing "File Request"
activate QB:NameReplace
# CHECK: result 2
provide "File Request"
missing "File Request 2"
activate QB:NameReplace
# CHECK: result 2
provide "File Request 2"
missing "Image Utility 5"
activate QB:NameReplace
# CHECK: result 2
provide "Image Utility 5"
missing "LW Image List 8"
activate QB:NameReplace
# CHECK: result 2
provide "LW Image List 8"
missing "Info Messages 3"
activate QB:NameReplace
# CHECK: result 2
provide "Info Messages 3"
missing "Instance Update"
activate QB:NameReplace
# CHECK: result 2
provide "Instance Update"
missing "Locale Info"
activate QB:NameReplace
# CHECK: result 2
provide "Locale Info"
missing "LWPanelServices 2"
activate QB:NameReplace
# CHECK: result 2
provide "LWPanelServices 2"
missing "RasterServices 2"
activate QB:NameReplace
# CHECK: result 2
provide "RasterServices 2"
missing "Scene Objects 8"
activate QB:NameReplace
# CHECK: result 2
provide "Scene Objects 8"
missing "LWShelfFuncs"
activate QB:NameReplace
# CHECK: result 2
provide "LWShelfFuncs"
missing "Surface Functions 5"
activate QB:NameReplace
# CHECK: result 2
provide "Surface Functions 5"
missing "LWXPanel 2"
activate QB:NameReplace
# CHECK: result 2
provide "LWXPanel 2"
missing "LSUniversalRequester"
activate QB:NameReplace
# CHECK: result 2
provide "LSUniversalRequester"
missing "LW Communication Ring"
activate QB:NameReplace
# CHECK: result 2
provide "LW Communication Ring"
missing "NodeInputFuncs 5"
activate QB:NameReplace
# CHECK: result 2
provide "NodeInputFuncs 5"
missing "NodeOutputFuncs 4"
activate QB:NameReplace
# CHECK: result 2
provide "NodeOutputFuncs 4"
missing "NodeFuncs 2"
activate QB:NameReplace
# CHECK: result 2
provide "NodeFuncs 2"
missing "LW Light Info 6"
activate QB:NameReplace
# CHECK: result 2
provide "LW Light Info 6"
# -- QB:ObjectReplacer, each service missing in turn
missing "LW Bone Info 6"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LW Bone Info 6"
missing "LW Fog Info"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LW Fog Info"
missing "LW Camera Info 10"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LW Camera Info 10"
missing "LW Interface Info 7"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LW Interface Info 7"
missing "LW Item Info 8"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LW Item Info 8"
missing "LW Object Info 12"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LW Object Info 12"
missing "LW Scene Info 11"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LW Scene Info 11"
missing "LW Time Info"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LW Time Info"
missing "LW Command Interface"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LW Command Interface"
missing "Animation Envelopes 2"
activate QB:ObjectReplacer
# CHECK: result 2
provide "Animation Envelopes 2"
missing "Channel Info 2"
activate QB:ObjectReplacer
# CHECK: result 2
provide "Channel Info 2"
missing "Color Picker"
activate QB:ObjectReplacer
# CHECK: result 2
provide "Color Picker"
missing "ContextMenuServices"
activate QB:ObjectReplacer
# CHECK: result 2
provide "ContextMenuServices"
missing "Directory Info"
activate QB:ObjectReplacer
# CHECK: result 2
provide "Directory Info"
missing "File Request"
activate QB:ObjectReplacer
# CHECK: result 2
provide "File Request"
missing "File Request 2"
activate QB:ObjectReplacer
# CHECK: result 2
provide "File Request 2"
missing "Image Utility 5"
activate QB:ObjectReplacer
# CHECK: result 2
provide "Image Utility 5"
missing "LW Image List 8"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LW Image List 8"
missing "Info Messages 3"
activate QB:ObjectReplacer
# CHECK: result 2
provide "Info Messages 3"
missing "Instance Update"
activate QB:ObjectReplacer
# CHECK: result 2
provide "Instance Update"
missing "Locale Info"
activate QB:ObjectReplacer
# CHECK: result 2
provide "Locale Info"
missing "LWPanelServices 2"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LWPanelServices 2"
missing "RasterServices 2"
activate QB:ObjectReplacer
# CHECK: result 2
provide "RasterServices 2"
missing "Scene Objects 8"
activate QB:ObjectReplacer
# CHECK: result 2
provide "Scene Objects 8"
missing "LWShelfFuncs"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LWShelfFuncs"
missing "Surface Functions 5"
activate QB:ObjectReplacer
# CHECK: result 2
provide "Surface Functions 5"
missing "LWXPanel 2"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LWXPanel 2"
missing "LSUniversalRequester"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LSUniversalRequester"
missing "LW Communication Ring"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LW Communication Ring"
missing "NodeInputFuncs 5"
activate QB:ObjectReplacer
# CHECK: result 2
provide "NodeInputFuncs 5"
missing "NodeOutputFuncs 4"
activate QB:ObjectReplacer
# CHECK: result 2
provide "NodeOutputFuncs 4"
missing "NodeFuncs 2"
activate QB:ObjectReplacer
# CHECK: result 2
provide "NodeFuncs 2"
missing "LW Light Info 6"
activate QB:ObjectReplacer
# CHECK: result 2
provide "LW Light Info 6"
# -- every service back: the tools start
print status
# CHECK: status
activate QB:ItemVisible
# CHECK: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
close
activate QB:ObjectReplacer
# CHECK: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
close
activate QB:NameReplace
# CHECK: panel open "QB:NameReplace(1.00) " flags=3
cancel
# CHECK: panel close "QB:NameReplace(1.00) "
# CHECK-NEXT: panel destroy "QB:NameReplace(1.00) "
# CHECK-NEXT: result 0
print selection
# CHECK: selection 0x10000000
