/*
 * The functions that fill every slot the module has no business calling: one
 * per slot, so that the report names the record and the member.  A call ends
 * the check with exit status 3, as the stand-in host does.
 */
#ifndef QB_LAYOUT_CHECK_TRAPS_H
#define QB_LAYOUT_CHECK_TRAPS_H

#include "host_records.h"

// clang-format off
#define QB_GENERIC_TRAPS(X) X(saveScene) X(loadScene) X(lookup) X(execute) X(evaluate) X(parsedArguments)
#define QB_ITEM_TRAPS(X)                                                                                     \
  X(target) X(goal) X(param) X(limits) X(getTag) X(setTag) X(chanGroup) X(server) X(serverFlags)             \
  X(controller) X(lookAhead) X(goalStrength) X(stiffness) X(axisLocks) X(maxLookSteps) X(reliableDistance)   \
  X(goalObjective) X(ikfkBlending) X(ikInitialState) X(ikInitialStateFrame) X(ikSoft) X(pole) X(sameItem)    \
  X(sameItemBlend) X(sameItemBlendMethod) X(sameItemFlags) X(selected) X(follow) X(controllerTrans)          \
  X(splineItem) X(splineFit) X(splineT)
#define QB_OBJECT_TRAPS(X)                                                                                   \
  X(numPoints) X(numPolygons) X(shadowOpts) X(dissolve) X(meshInfo) X(flags) X(fog) X(dispMap) X(clipMap)    \
  X(patchLevel) X(metaballRes) X(boneSource) X(morphTarget) X(morphAmount) X(edgeOpts) X(edgeColor)          \
  X(subdivOrder) X(polygonSize) X(excluded) X(matteColor) X(thickness) X(edgeZScale)                         \
  X(shrinkEdgesNominalDistance) X(maxDissolveDistance) X(bumpDistance) X(dispMapOrder) X(bumpOrder)          \
  X(getNodeEditor) X(nodeOrder) X(bounds) X(shadowoffsetdistance) X(instancer) X(getEdgeNodeEditor)          \
  X(layerLoaded) X(getAlphaValue) X(giMode) X(bruteForceRays) X(primaryRays) X(secondaryRays)                \
  X(missingSampleRays) X(angularTolerance) X(minimumPixelSpacing) X(maximumPixelSpacing)
#define QB_INTERFACE_TRAPS(X)                                                                                \
  X(itemFlags) X(schemaPos) X(itemColor) X(setItemColorIndex) X(setItemColorCustom)                          \
  X(defaultItemTypeColor) X(itemColorRgba) X(itemIconScale)
#define QB_PANEL_TRAPS(X) X(handle) X(draw) X(nextControl) X(destroyControl)
// clang-format on

void trapped(const char *record, const char *member);

#define QB_DECLARE_TRAP(prefix, record, member) \
  static void prefix##_##member(void) { trapped(record, #member); }

#endif
