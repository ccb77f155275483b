# The second layer fetches its services at every activation and stops at the
# first one missing: the activation ends with 2 and the tool does not run.
trace lookups on
missing "LW Time Info"
activate QB:NameReplace
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
# -- a zero locale counts as missing
locale 0
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
