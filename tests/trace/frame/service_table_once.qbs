# The first layer's services are looked up once per module lifetime (the whole
# table below, in order); later activations ask only for the product and the
# locale before the tool runs.  The toggle command has no texts and never asks
# for the locale, not even when an unload makes the table fill again.
generation 2018
mesh Cube
trace lookups on
activate QB:SelectItem Nothing
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
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
# the second activation
activate QB:SelectItem Nothing
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: cmd ok StatusMsg {1.0} No items found!
# CHECK-NEXT: result 0
activate QB:ToggleVisible Nothing
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: result 0
unload
activate QB:ToggleVisible Nothing
# CHECK-NEXT: lookup Product Info
# CHECK-NEXT: lookup Animation Envelopes 2
# CHECK: lookup LWPanelServices 2
# CHECK-NEXT: lookup Locale Info
# CHECK-NEXT: lookup LW Interface Info 7
# CHECK-NEXT: result 0
