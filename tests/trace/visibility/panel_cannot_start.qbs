# A panel that cannot be created ends the activation with 2, and so does a
# missing service; a later activation in a sound host works.
fail-panels on
activate QB:ItemVisible
fail-panels off
missing "LW Bone Info 6"
activate QB:ItemVisible
provide "LW Bone Info 6"
activate QB:ItemVisible
