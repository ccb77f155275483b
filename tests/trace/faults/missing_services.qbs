# The second library layer fetches its services at every activation and stops
# at the first one missing: the activation ends with 2 right after the lookup
# of that service (no further lookup, no panel, no command), a zero locale
# counts as missing, and once the service is back the tool starts normally.
# QB:ItemVisible meets every service of the list missing in turn; the other
# tools share the layer, so they meet its first, a middle and its last service.
generation 2018
mesh Cube
select Cube
trace lookups on
missing "LW Bone Info 6"
activate QB:ItemVisible
# CHECK: lookup LW Bone Info 6
# CHECK-NEXT: result 2
provide "LW Bone Info 6"
missing "LW Fog Info"
activate QB:ItemVisible
# CHECK: lookup LW Fog Info
# CHECK-NEXT: result 2
provide "LW Fog Info"
missing "LW Camera Info 10"
activate QB:ItemVisible
# CHECK: lookup LW Camera Info 10
# CHECK-NEXT: result 2
provide "LW Camera Info 10"
missing "LW Interface Info 7"
activate QB:ItemVisible
# CHECK: lookup LW Interface Info 7
# CHECK-NEXT: result 2
provide "LW Interface Info 7"
missing "LW Item Info 8"
activate QB:ItemVisible
# CHECK: lookup LW Item Info 8
# CHECK-NEXT: result 2
provide "LW Item Info 8"
missing "LW Object Info 12"
activate QB:ItemVisible
# CHECK: lookup LW Object Info 12
# CHECK-NEXT: result 2
provide "LW Object Info 12"
missing "LW Scene Info 11"
activate QB:ItemVisible
# CHECK: lookup LW Scene Info 11
# CHECK-NEXT: result 2
provide "LW Scene Info 11"
missing "LW Time Info"
activate QB:ItemVisible
# CHECK: lookup LW Time Info
# CHECK-NEXT: result 2
provide "LW Time Info"
missing "LW Command Interface"
activate QB:ItemVisible
# CHECK: lookup LW Command Interface
# CHECK-NEXT: result 2
provide "LW Command Interface"
missing "Animation Envelopes 2"
activate QB:ItemVisible
# CHECK: lookup Animation Envelopes 2
# CHECK-NEXT: result 2
provide "Animation Envelopes 2"
missing "Channel Info 2"
activate QB:ItemVisible
# CHECK: lookup Channel Info 2
# CHECK-NEXT: result 2
provide "Channel Info 2"
missing "Color Picker"
activate QB:ItemVisible
# CHECK: lookup Color Picker
# CHECK-NEXT: result 2
provide "Color Picker"
missing "ContextMenuServices"
activate QB:ItemVisible
# CHECK: lookup ContextMenuServices
# CHECK-NEXT: result 2
provide "ContextMenuServices"
missing "Directory Info"
activate QB:ItemVisible
# CHECK: lookup Directory Info
# CHECK-NEXT: result 2
provide "Directory Info"
missing "File Request"
activate QB:ItemVisible
# CHECK: lookup File Request
# CHECK-NEXT: result 2
provide "File Request"
missing "File Request 2"
activate QB:ItemVisible
# CHECK: lookup File Request 2
# CHECK-NEXT: result 2
provide "File Request 2"
missing "Image Utility 5"
activate QB:ItemVisible
# CHECK: lookup Image Utility 5
# CHECK-NEXT: result 2
provide "Image Utility 5"
missing "LW Image List 8"
activate QB:ItemVisible
# CHECK: lookup LW Image List 8
# CHECK-NEXT: result 2
provide "LW Image List 8"
missing "Info Messages 3"
activate QB:ItemVisible
# CHECK: lookup Info Messages 3
# CHECK-NEXT: result 2
provide "Info Messages 3"
missing "Instance Update"
activate QB:ItemVisible
# CHECK: lookup Instance Update
# CHECK-NEXT: result 2
provide "Instance Update"
missing "Locale Info"
activate QB:ItemVisible
# CHECK: lookup Locale Info
# CHECK-NEXT: result 2
provide "Locale Info"
missing "LWPanelServices 2"
activate QB:ItemVisible
# CHECK: lookup LWPanelServices 2
# CHECK-NEXT: result 2
provide "LWPanelServices 2"
missing "RasterServices 2"
activate QB:ItemVisible
# CHECK: lookup RasterServices 2
# CHECK-NEXT: result 2
provide "RasterServices 2"
missing "Scene Objects 8"
activate QB:ItemVisible
# CHECK: lookup Scene Objects 8
# CHECK-NEXT: result 2
provide "Scene Objects 8"
missing "LWShelfFuncs"
activate QB:ItemVisible
# CHECK: lookup LWShelfFuncs
# CHECK-NEXT: result 2
provide "LWShelfFuncs"
missing "Surface Functions 5"
activate QB:ItemVisible
# CHECK: lookup Surface Functions 5
# CHECK-NEXT: result 2
provide "Surface Functions 5"
missing "LWXPanel 2"
activate QB:ItemVisible
# CHECK: lookup LWXPanel 2
# CHECK-NEXT: result 2
provide "LWXPanel 2"
missing "LSUniversalRequester"
activate QB:ItemVisible
# CHECK: lookup LSUniversalRequester
# CHECK-NEXT: result 2
provide "LSUniversalRequester"
missing "LW Communication Ring"
activate QB:ItemVisible
# CHECK: lookup LW Communication Ring
# CHECK-NEXT: result 2
provide "LW Communication Ring"
missing "NodeInputFuncs 5"
activate QB:ItemVisible
# CHECK: lookup NodeInputFuncs 5
# CHECK-NEXT: result 2
provide "NodeInputFuncs 5"
missing "NodeOutputFuncs 4"
activate QB:ItemVisible
# CHECK: lookup NodeOutputFuncs 4
# CHECK-NEXT: result 2
provide "NodeOutputFuncs 4"
missing "NodeFuncs 2"
activate QB:ItemVisible
# CHECK: lookup NodeFuncs 2
# CHECK-NEXT: result 2
provide "NodeFuncs 2"
missing "LW Light Info 6"
activate QB:ItemVisible
# CHECK: lookup LW Light Info 6
# CHECK-NEXT: result 2
provide "LW Light Info 6"
# QB:NameReplace
missing "LW Bone Info 6"
activate QB:NameReplace
# CHECK: lookup LW Bone Info 6
# CHECK-NEXT: result 2
provide "LW Bone Info 6"
missing "Image Utility 5"
activate QB:NameReplace
# CHECK: lookup Image Utility 5
# CHECK-NEXT: result 2
provide "Image Utility 5"
missing "LW Light Info 6"
activate QB:NameReplace
# CHECK: lookup LW Light Info 6
# CHECK-NEXT: result 2
provide "LW Light Info 6"
# QB:ObjectReplacer
missing "LW Bone Info 6"
activate QB:ObjectReplacer
# CHECK: lookup LW Bone Info 6
# CHECK-NEXT: result 2
provide "LW Bone Info 6"
missing "Image Utility 5"
activate QB:ObjectReplacer
# CHECK: lookup Image Utility 5
# CHECK-NEXT: result 2
provide "Image Utility 5"
missing "LW Light Info 6"
activate QB:ObjectReplacer
# CHECK: lookup LW Light Info 6
# CHECK-NEXT: result 2
provide "LW Light Info 6"
# a zero locale
locale 0
activate QB:ItemVisible
# CHECK: lookup Locale Info
# CHECK-NEXT: result 2
locale 1033
# every service back: the whole list is looked up in order, and the tools start
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
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: panel open "QB:ItemVisible(1.00) " flags=64
# CHECK-NEXT: result 0
close
trace lookups off
activate QB:ObjectReplacer
# CHECK: panel open "QB:ObjectReplacer(1.00) " flags=64
# CHECK-NEXT: result 0
close
activate QB:NameReplace
# CHECK: panel open "QB:NameReplace(1.00) " flags=3
cancel
# CHECK: result 0
