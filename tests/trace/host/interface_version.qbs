# The activation checks the interface version before anything else: no lookup
# at all for versions 5 and 7; the host's major version comes next.
mesh Cube
trace lookups on
interface-version 5
activate QB:SelectItem Cube
# CHECK: result 1
interface-version 7
activate QB:SelectItem Cube
# CHECK-NEXT: result 1
interface-version 6
product 14
activate QB:SelectItem Cube
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: result 1
product 16
activate QB:SelectItem Cube
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: result 1
product 0x00F00000
activate QB:ToggleVisible Cube
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK-NEXT: lookup Channel Info 2
# CHECK-NEXT: lookup Color Picker
# CHECK-NEXT: lookup ContextMenuServices
# CHECK-NEXT: lookup Directory Info
# CHECK-NEXT: lookup File Request
# CHECK-NEXT: lookup File Request 2
# CHECK-NEXT: lookup File I/O 3
# CHECK-NEXT: lookup Global Memory
# CHECK-NEXT: lookup Image Utility 5
# CHECK-NEXT: lookup LW Image List 8
# CHECK-NEXT: lookup Info Messages 3
# CHECK-NEXT: lookup Instance Update
# CHECK-NEXT: lookup LW Backdrop Info 7
# CHECK-NEXT: lookup LW Bone Info 6
# CHECK-NEXT: lookup LW Camera Info 10
# CHECK-NEXT: lookup LW Camera Evaluation Funcs 2
# CHECK-NEXT: lookup LW Compositing Info 4
# CHECK-NEXT: lookup LW Fog Info
# CHECK-NEXT: lookup LW Light Info 6
# CHECK-NEXT: lookup LW Light Evaluation Funcs 2
# CHECK-NEXT: lookup LW Mesh Edit Funcs
# CHECK-NEXT: lookup LW MTSE Funcs 2
# CHECK-NEXT: lookup LW Particle Services 2
# CHECK-NEXT: lookup LW Primitive Evaluation Funcs 2
# CHECK-NEXT: lookup LW Render Info 5
# CHECK-NEXT: lookup LW Scene Info 11
# CHECK-NEXT: lookup LW Time Info
# CHECK-NEXT: lookup LW Viewport Info 8
# CHECK-NEXT: lookup LW Volumetric Functions 2
# CHECK-NEXT: lookup LWXPanel 2
# CHECK-NEXT: lookup LWShelfFuncs
# CHECK-NEXT: lookup LSUniversalRequester
# CHECK-NEXT: lookup LW Communication Ring
# CHECK-NEXT: lookup LW Surface Editor Funcs 2
# CHECK-NEXT: lookup Surface Functions 5
# CHECK-NEXT: lookup Texture Functions 6
# CHECK-NEXT: lookup Texture Editor 2
# CHECK-NEXT: lookup Gradient Editor
# CHECK-NEXT: lookup NodeFuncs 2
# CHECK-NEXT: lookup NodeInputFuncs 5
# CHECK-NEXT: lookup NodeOutputFuncs 4
# CHECK-NEXT: lookup NodeDrawFuncs
# CHECK-NEXT: lookup NodeUtilityFuncs
# CHECK-NEXT: lookup RasterServices 2
# CHECK-NEXT: lookup Scene Objects 8
# CHECK-NEXT: lookup VParmFuncs 4
# CHECK-NEXT: lookup LW Envelope Functions
# CHECK-NEXT: lookup LW Dynamic Monitor 2
# CHECK-NEXT: lookup LW Message Funcs
# CHECK-NEXT: lookup LW Preview Funcs
# CHECK-NEXT: lookup LW Command Interface
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: lookup LW Item Info 8
# CHECK-NEXT: lookup LW Object Info 12
# CHECK-NEXT: lookup LWPanelServices 2
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: cmd ok ItemVisibility 0
# CHECK-NEXT: cmd ok SelectItem 0x10000000
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: cmd ok ItemActive
# CHECK-NEXT: result 0
