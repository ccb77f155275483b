# The second library layer fetches its services at every activation and stops
# at the first one missing: each service of its list missing in turn ends the
# activation with 2, after the lookups up to that service and no further.  The
# tool does not run (no panel, no command), and once the service is back the
# same tool starts normally.
mesh Cube
select Cube
trace lookups on
echo -- QB:ItemVisible without "LW Bone Info 6"
missing "LW Bone Info 6"
activate QB:ItemVisible
provide "LW Bone Info 6"
echo -- QB:ItemVisible without "LW Fog Info"
missing "LW Fog Info"
activate QB:ItemVisible
provide "LW Fog Info"
echo -- QB:ItemVisible without "LW Camera Info 10"
missing "LW Camera Info 10"
activate QB:ItemVisible
provide "LW Camera Info 10"
echo -- QB:ItemVisible without "LW Interface Info 7"
missing "LW Interface Info 7"
activate QB:ItemVisible
provide "LW Interface Info 7"
echo -- QB:ItemVisible without "LW Item Info 8"
missing "LW Item Info 8"
activate QB:ItemVisible
provide "LW Item Info 8"
echo -- QB:ItemVisible without "LW Object Info 12"
missing "LW Object Info 12"
activate QB:ItemVisible
provide "LW Object Info 12"
echo -- QB:ItemVisible without "LW Scene Info 11"
missing "LW Scene Info 11"
activate QB:ItemVisible
provide "LW Scene Info 11"
echo -- QB:ItemVisible without "LW Time Info"
missing "LW Time Info"
activate QB:ItemVisible
provide "LW Time Info"
echo -- QB:ItemVisible without "LW Command Interface"
missing "LW Command Interface"
activate QB:ItemVisible
provide "LW Command Interface"
echo -- QB:ItemVisible without "Animation Envelopes 2"
missing "Animation Envelopes 2"
activate QB:ItemVisible
provide "Animation Envelopes 2"
echo -- QB:ItemVisible without "Channel Info 2"
missing "Channel Info 2"
activate QB:ItemVisible
provide "Channel Info 2"
echo -- QB:ItemVisible without "Color Picker"
missing "Color Picker"
activate QB:ItemVisible
provide "Color Picker"
echo -- QB:ItemVisible without "ContextMenuServices"
missing "ContextMenuServices"
activate QB:ItemVisible
provide "ContextMenuServices"
echo -- QB:ItemVisible without "Directory Info"
missing "Directory Info"
activate QB:ItemVisible
provide "Directory Info"
echo -- QB:ItemVisible without "File Request"
missing "File Request"
activate QB:ItemVisible
provide "File Request"
echo -- QB:ItemVisible without "File Request 2"
missing "File Request 2"
activate QB:ItemVisible
provide "File Request 2"
echo -- QB:ItemVisible without "Image Utility 5"
missing "Image Utility 5"
activate QB:ItemVisible
provide "Image Utility 5"
echo -- QB:ItemVisible without "LW Image List 8"
missing "LW Image List 8"
activate QB:ItemVisible
provide "LW Image List 8"
echo -- QB:ItemVisible without "Info Messages 3"
missing "Info Messages 3"
activate QB:ItemVisible
provide "Info Messages 3"
echo -- QB:ItemVisible without "Instance Update"
missing "Instance Update"
activate QB:ItemVisible
provide "Instance Update"
echo -- QB:ItemVisible without "Locale Info"
missing "Locale Info"
activate QB:ItemVisible
provide "Locale Info"
echo -- QB:ItemVisible without "LWPanelServices 2"
missing "LWPanelServices 2"
activate QB:ItemVisible
provide "LWPanelServices 2"
echo -- QB:ItemVisible without "RasterServices 2"
missing "RasterServices 2"
activate QB:ItemVisible
provide "RasterServices 2"
echo -- QB:ItemVisible without "Scene Objects 8"
missing "Scene Objects 8"
activate QB:ItemVisible
provide "Scene Objects 8"
echo -- QB:ItemVisible without "LWShelfFuncs"
missing "LWShelfFuncs"
activate QB:ItemVisible
provide "LWShelfFuncs"
echo -- QB:ItemVisible without "Surface Functions 5"
missing "Surface Functions 5"
activate QB:ItemVisible
provide "Surface Functions 5"
echo -- QB:ItemVisible without "LWXPanel 2"
missing "LWXPanel 2"
activate QB:ItemVisible
provide "LWXPanel 2"
echo -- QB:ItemVisible without "LSUniversalRequester"
missing "LSUniversalRequester"
activate QB:ItemVisible
provide "LSUniversalRequester"
echo -- QB:ItemVisible without "LW Communication Ring"
missing "LW Communication Ring"
activate QB:ItemVisible
provide "LW Communication Ring"
echo -- QB:ItemVisible without "NodeInputFuncs 5"
missing "NodeInputFuncs 5"
activate QB:ItemVisible
provide "NodeInputFuncs 5"
echo -- QB:ItemVisible without "NodeOutputFuncs 4"
missing "NodeOutputFuncs 4"
activate QB:ItemVisible
provide "NodeOutputFuncs 4"
echo -- QB:ItemVisible without "NodeFuncs 2"
missing "NodeFuncs 2"
activate QB:ItemVisible
provide "NodeFuncs 2"
echo -- QB:ItemVisible without "LW Light Info 6"
missing "LW Light Info 6"
activate QB:ItemVisible
provide "LW Light Info 6"
trace lookups off
echo -- QB:NameReplace, each service missing in turn
missing "LW Bone Info 6"
activate QB:NameReplace
provide "LW Bone Info 6"
missing "LW Fog Info"
activate QB:NameReplace
provide "LW Fog Info"
missing "LW Camera Info 10"
activate QB:NameReplace
provide "LW Camera Info 10"
missing "LW Interface Info 7"
activate QB:NameReplace
provide "LW Interface Info 7"
missing "LW Item Info 8"
activate QB:NameReplace
provide "LW Item Info 8"
missing "LW Object Info 12"
activate QB:NameReplace
provide "LW Object Info 12"
missing "LW Scene Info 11"
activate QB:NameReplace
provide "LW Scene Info 11"
missing "LW Time Info"
activate QB:NameReplace
provide "LW Time Info"
missing "LW Command Interface"
activate QB:NameReplace
provide "LW Command Interface"
missing "Animation Envelopes 2"
activate QB:NameReplace
provide "Animation Envelopes 2"
missing "Channel Info 2"
activate QB:NameReplace
provide "Channel Info 2"
missing "Color Picker"
activate QB:NameReplace
provide "Color Picker"
missing "ContextMenuServices"
activate QB:NameReplace
provide "ContextMenuServices"
missing "Directory Info"
activate QB:NameReplace
provide "Directory Info"
missing "File Request"
activate QB:NameReplace
provide "File Request"
missing "File Request 2"
activate QB:NameReplace
provide "File Request 2"
missing "Image Utility 5"
activate QB:NameReplace
provide "Image Utility 5"
missing "LW Image List 8"
activate QB:NameReplace
provide "LW Image List 8"
missing "Info Messages 3"
activate QB:NameReplace
provide "Info Messages 3"
missing "Instance Update"
activate QB:NameReplace
provide "Instance Update"
missing "Locale Info"
activate QB:NameReplace
provide "Locale Info"
missing "LWPanelServices 2"
activate QB:NameReplace
provide "LWPanelServices 2"
missing "RasterServices 2"
activate QB:NameReplace
provide "RasterServices 2"
missing "Scene Objects 8"
activate QB:NameReplace
provide "Scene Objects 8"
missing "LWShelfFuncs"
activate QB:NameReplace
provide "LWShelfFuncs"
missing "Surface Functions 5"
activate QB:NameReplace
provide "Surface Functions 5"
missing "LWXPanel 2"
activate QB:NameReplace
provide "LWXPanel 2"
missing "LSUniversalRequester"
activate QB:NameReplace
provide "LSUniversalRequester"
missing "LW Communication Ring"
activate QB:NameReplace
provide "LW Communication Ring"
missing "NodeInputFuncs 5"
activate QB:NameReplace
provide "NodeInputFuncs 5"
missing "NodeOutputFuncs 4"
activate QB:NameReplace
provide "NodeOutputFuncs 4"
missing "NodeFuncs 2"
activate QB:NameReplace
provide "NodeFuncs 2"
missing "LW Light Info 6"
activate QB:NameReplace
provide "LW Light Info 6"
echo -- QB:ObjectReplacer, each service missing in turn
missing "LW Bone Info 6"
activate QB:ObjectReplacer
provide "LW Bone Info 6"
missing "LW Fog Info"
activate QB:ObjectReplacer
provide "LW Fog Info"
missing "LW Camera Info 10"
activate QB:ObjectReplacer
provide "LW Camera Info 10"
missing "LW Interface Info 7"
activate QB:ObjectReplacer
provide "LW Interface Info 7"
missing "LW Item Info 8"
activate QB:ObjectReplacer
provide "LW Item Info 8"
missing "LW Object Info 12"
activate QB:ObjectReplacer
provide "LW Object Info 12"
missing "LW Scene Info 11"
activate QB:ObjectReplacer
provide "LW Scene Info 11"
missing "LW Time Info"
activate QB:ObjectReplacer
provide "LW Time Info"
missing "LW Command Interface"
activate QB:ObjectReplacer
provide "LW Command Interface"
missing "Animation Envelopes 2"
activate QB:ObjectReplacer
provide "Animation Envelopes 2"
missing "Channel Info 2"
activate QB:ObjectReplacer
provide "Channel Info 2"
missing "Color Picker"
activate QB:ObjectReplacer
provide "Color Picker"
missing "ContextMenuServices"
activate QB:ObjectReplacer
provide "ContextMenuServices"
missing "Directory Info"
activate QB:ObjectReplacer
provide "Directory Info"
missing "File Request"
activate QB:ObjectReplacer
provide "File Request"
missing "File Request 2"
activate QB:ObjectReplacer
provide "File Request 2"
missing "Image Utility 5"
activate QB:ObjectReplacer
provide "Image Utility 5"
missing "LW Image List 8"
activate QB:ObjectReplacer
provide "LW Image List 8"
missing "Info Messages 3"
activate QB:ObjectReplacer
provide "Info Messages 3"
missing "Instance Update"
activate QB:ObjectReplacer
provide "Instance Update"
missing "Locale Info"
activate QB:ObjectReplacer
provide "Locale Info"
missing "LWPanelServices 2"
activate QB:ObjectReplacer
provide "LWPanelServices 2"
missing "RasterServices 2"
activate QB:ObjectReplacer
provide "RasterServices 2"
missing "Scene Objects 8"
activate QB:ObjectReplacer
provide "Scene Objects 8"
missing "LWShelfFuncs"
activate QB:ObjectReplacer
provide "LWShelfFuncs"
missing "Surface Functions 5"
activate QB:ObjectReplacer
provide "Surface Functions 5"
missing "LWXPanel 2"
activate QB:ObjectReplacer
provide "LWXPanel 2"
missing "LSUniversalRequester"
activate QB:ObjectReplacer
provide "LSUniversalRequester"
missing "LW Communication Ring"
activate QB:ObjectReplacer
provide "LW Communication Ring"
missing "NodeInputFuncs 5"
activate QB:ObjectReplacer
provide "NodeInputFuncs 5"
missing "NodeOutputFuncs 4"
activate QB:ObjectReplacer
provide "NodeOutputFuncs 4"
missing "NodeFuncs 2"
activate QB:ObjectReplacer
provide "NodeFuncs 2"
missing "LW Light Info 6"
activate QB:ObjectReplacer
provide "LW Light Info 6"
echo -- every service back: the tools start
print status
activate QB:ItemVisible
close
activate QB:ObjectReplacer
close
activate QB:NameReplace
cancel
print selection
