/*
 * The host's records as the real host lays them out, declared here on their
 * own from the host's published interface (not from the module's headers),
 * so that the layout check compares two independent readings of it.  Slots
 * the check never serves with a working function are typed HostTrap: the
 * check fills them with functions that report the call and fail.
 */
#ifndef QB_LAYOUT_CHECK_HOST_RECORDS_H
#define QB_LAYOUT_CHECK_HOST_RECORDS_H

#include <stddef.h>

typedef void (*HostTrap)(void);
typedef void *LWItemID;
typedef void *LWPanelID;
typedef void *LWControlID;
typedef int LWItemType;
typedef double LWTime;
typedef void *GlobalFunc(const char *serviceName, int useMode);
typedef int ActivateFunc(int version, GlobalFunc *global, void *local, void *serverData);

typedef struct {
  const char *string;
  unsigned int tag;
} ServerTagInfo;

typedef struct {
  const char *className;
  const char *name;
  ActivateFunc *activate;
  ServerTagInfo *tagInfo;
} ServerRecord;

typedef struct {
  unsigned int sysSync;
  unsigned int sysVersion;
  unsigned int sysMachine;
  void *(*startup)(void);
  void (*shutdown)(void *serverData);
  ServerRecord *serverDefs;
} ModuleDescriptor;

typedef struct {
  HostTrap saveScene;
  HostTrap loadScene;
  void *data;
  HostTrap lookup;
  HostTrap execute;
  HostTrap evaluate;
  const char *(*commandArguments)(void *data);
  HostTrap parsedArguments;
} LWLayoutGeneric;

typedef int LWCommandFunc(const char *command);

typedef struct {
  LWItemID (*first)(LWItemType type, LWItemID object);
  LWItemID (*next)(LWItemID item);
  LWItemID (*firstChild)(LWItemID parent);
  LWItemID (*nextChild)(LWItemID parent, LWItemID previous);
  LWItemID (*parent)(LWItemID item);
  HostTrap target, goal;
  LWItemType (*type)(LWItemID item);
  const char *(*name)(LWItemID item);
  HostTrap param, limits, getTag, setTag, chanGroup, server, serverFlags, controller;
  unsigned int (*flags)(LWItemID item);
  HostTrap lookAhead, goalStrength, stiffness, axisLocks, maxLookSteps, reliableDistance, goalObjective,
      ikfkBlending, ikInitialState, ikInitialStateFrame, ikSoft, pole, sameItem, sameItemBlend,
      sameItemBlendMethod, sameItemFlags, selected, follow, controllerTrans, splineItem, splineFit, splineT;
} LWItemInfo;

typedef struct {
  const char *(*filename)(LWItemID object);
  HostTrap numPoints, numPolygons, shadowOpts, dissolve, meshInfo, flags, fog, dispMap, clipMap, patchLevel,
      metaballRes, boneSource, morphTarget, morphAmount, edgeOpts, edgeColor, subdivOrder, polygonSize,
      excluded, matteColor, thickness, edgeZScale, shrinkEdgesNominalDistance, maxDissolveDistance,
      bumpDistance;
  unsigned int (*getGroupIndex)(LWItemID object);
  HostTrap dispMapOrder, bumpOrder, getNodeEditor, nodeOrder, bounds, shadowoffsetdistance, instancer,
      getEdgeNodeEditor, layerLoaded, getAlphaValue, giMode, bruteForceRays, primaryRays, secondaryRays,
      missingSampleRays, angularTolerance, minimumPixelSpacing, maximumPixelSpacing;
} LWObjectInfo;

typedef struct {
  LWTime curTime;
  const LWItemID *selItems;
  HostTrap itemFlags;
  int previewStart, previewEnd, previewStep;
  int dynaUpdate;
  HostTrap schemaPos;
  int (*itemVis)(LWItemID item);
  unsigned int displayFlags;
  unsigned int generalFlags;
  int boxThreshold;
  HostTrap itemColor, setItemColorIndex, setItemColorCustom;
  int alertLevel;
  int autoKeyCreate;
  HostTrap defaultItemTypeColor, itemColorRgba, itemIconScale;
} LWInterfaceInfo;

typedef union {
  int type;
  struct {
    int type;
    int value;
    int defVal;
  } intv;
  struct {
    int type;
    char *buf;
    int bufLen;
  } str;
  struct {
    int type;
    double value;
    double defVal;
  } flt;
  struct {
    int type;
    int val[3];
    int defVal;
  } ivec;
  struct {
    int type;
    double val[3];
    double defVal;
  } fvec;
  struct {
    int type;
    void *ptr;
  } ptr;
  struct {
    int type;
    int val[4];
  } cust;
} LWValue;

typedef union {
  int type;
  struct {
    int type;
    int width;
  } string;
  struct {
    int type;
    const char **items;
    int vertical;
  } choice;
  struct {
    int type;
    const char **text;
  } text;
  struct {
    int type;
    int width;
    int height;
  } area;
  struct {
    int type;
    int width, visItems, top;
    int (*countFn)(void *data);
    const char *(*nameFn)(void *data, int row, int column);
    int (*colWidth)(void *data, int column);
  } multiList;
  struct {
    int type;
    void *variant[6];
  } others; /* the largest of the variants the module never uses */
} LWPanControlDesc;

typedef struct st_LWControl {
  void (*draw)(LWControlID control, int drawMode);
  void (*get)(LWControlID control, int tag, LWValue *value);
  void (*set)(LWControlID control, int tag, LWValue *value);
  void *priv_data;
} LWControl;

typedef struct {
  LWPanelID (*create)(const char *title, void *userData);
  void (*destroy)(LWPanelID panel);
  int (*open)(LWPanelID panel, int flags);
  HostTrap handle;
  HostTrap draw;
  void (*close)(LWPanelID panel);
  void (*get)(LWPanelID panel, int tag, void *value);
  void (*set)(LWPanelID panel, int tag, void *value);
  LWControl *(*addControl)(LWPanelID panel, const char *typeName, LWPanControlDesc *desc, const char *label);
  HostTrap nextControl;
  void *drawFuncs;
  void *user_data;
  GlobalFunc *globalFun;
  HostTrap destroyControl;
} LWPanelFuncs;

/* The 2020 generation (activation version 7): the same records with members
 * appended, and the command record in place of the bare function. */
typedef struct {
  LWItemInfo v2018;
  HostTrap rotationOrder, relparam;
} LWItemInfo9;

typedef struct {
  LWObjectInfo v2018;
  HostTrap pntIndex, polIndex, boneMode, numLimitedBones, numBoneWeightsPnts, boneWeights;
} LWObjectInfo14;

typedef struct {
  LWInterfaceInfo v2018;
  HostTrap DPIScalar;
} LWInterfaceInfo8;

typedef struct {
  LWPanelFuncs v2018;
  HostTrap setParent, getRaster;
} LWPanelFuncs3;

typedef struct {
  void *data;
  HostTrap lookup;
  HostTrap execute;
  int (*evaluate)(void *data, const char *commandLine);
} LWCommandInterface;

/* The offsets and sizes the host's interface gives. */
#define QB_CHECK_OFFSET(record, member, at) \
  _Static_assert(offsetof(record, member) == (at), #record "." #member)
#define QB_CHECK_SIZE(record, size) _Static_assert(sizeof(record) == (size), "sizeof " #record)

QB_CHECK_SIZE(ModuleDescriptor, 40);
QB_CHECK_OFFSET(ModuleDescriptor, sysMachine, 8);
QB_CHECK_OFFSET(ModuleDescriptor, startup, 16);
QB_CHECK_OFFSET(ModuleDescriptor, shutdown, 24);
QB_CHECK_OFFSET(ModuleDescriptor, serverDefs, 32);
QB_CHECK_SIZE(ServerRecord, 32);
QB_CHECK_OFFSET(ServerRecord, activate, 16);
QB_CHECK_OFFSET(ServerRecord, tagInfo, 24);
QB_CHECK_SIZE(ServerTagInfo, 16);
QB_CHECK_OFFSET(ServerTagInfo, tag, 8);

QB_CHECK_SIZE(LWLayoutGeneric, 64);
QB_CHECK_OFFSET(LWLayoutGeneric, data, 16);
QB_CHECK_OFFSET(LWLayoutGeneric, commandArguments, 48);
QB_CHECK_OFFSET(LWLayoutGeneric, parsedArguments, 56);

QB_CHECK_SIZE(LWItemInfo, 320);
QB_CHECK_OFFSET(LWItemInfo, parent, 32);
QB_CHECK_OFFSET(LWItemInfo, type, 56);
QB_CHECK_OFFSET(LWItemInfo, name, 64);
QB_CHECK_OFFSET(LWItemInfo, flags, 136);
QB_CHECK_OFFSET(LWItemInfo, lookAhead, 144);
QB_CHECK_OFFSET(LWItemInfo, splineT, 312);

QB_CHECK_SIZE(LWObjectInfo, 360);
QB_CHECK_OFFSET(LWObjectInfo, bumpDistance, 200);
QB_CHECK_OFFSET(LWObjectInfo, getGroupIndex, 208);
QB_CHECK_OFFSET(LWObjectInfo, layerLoaded, 280);
QB_CHECK_OFFSET(LWObjectInfo, maximumPixelSpacing, 352);

QB_CHECK_SIZE(LWInterfaceInfo, 128);
QB_CHECK_OFFSET(LWInterfaceInfo, selItems, 8);
QB_CHECK_OFFSET(LWInterfaceInfo, itemFlags, 16);
QB_CHECK_OFFSET(LWInterfaceInfo, previewStart, 24);
QB_CHECK_OFFSET(LWInterfaceInfo, dynaUpdate, 36);
QB_CHECK_OFFSET(LWInterfaceInfo, schemaPos, 40);
QB_CHECK_OFFSET(LWInterfaceInfo, itemVis, 48);
QB_CHECK_OFFSET(LWInterfaceInfo, displayFlags, 56);
QB_CHECK_OFFSET(LWInterfaceInfo, generalFlags, 60);
QB_CHECK_OFFSET(LWInterfaceInfo, boxThreshold, 64);
QB_CHECK_OFFSET(LWInterfaceInfo, itemColor, 72);
QB_CHECK_OFFSET(LWInterfaceInfo, alertLevel, 96);
QB_CHECK_OFFSET(LWInterfaceInfo, autoKeyCreate, 100);
QB_CHECK_OFFSET(LWInterfaceInfo, defaultItemTypeColor, 104);
QB_CHECK_OFFSET(LWInterfaceInfo, itemIconScale, 120);

QB_CHECK_SIZE(LWValue, 40);
QB_CHECK_OFFSET(LWValue, intv.value, 4);
QB_CHECK_OFFSET(LWValue, intv.defVal, 8);
QB_CHECK_OFFSET(LWValue, str.buf, 8);
QB_CHECK_OFFSET(LWValue, str.bufLen, 16);
QB_CHECK_OFFSET(LWValue, flt.value, 8);
QB_CHECK_OFFSET(LWValue, ivec.defVal, 16);
QB_CHECK_OFFSET(LWValue, fvec.defVal, 32);
QB_CHECK_OFFSET(LWValue, ptr.ptr, 8);
QB_CHECK_OFFSET(LWValue, cust.val, 4);

QB_CHECK_SIZE(LWPanControlDesc, 56);
QB_CHECK_OFFSET(LWPanControlDesc, string.width, 4);
QB_CHECK_OFFSET(LWPanControlDesc, choice.items, 8);
QB_CHECK_OFFSET(LWPanControlDesc, choice.vertical, 16);
QB_CHECK_OFFSET(LWPanControlDesc, text.text, 8);
QB_CHECK_OFFSET(LWPanControlDesc, area.width, 4);
QB_CHECK_OFFSET(LWPanControlDesc, area.height, 8);
QB_CHECK_OFFSET(LWPanControlDesc, multiList.top, 12);
QB_CHECK_OFFSET(LWPanControlDesc, multiList.countFn, 16);
QB_CHECK_OFFSET(LWPanControlDesc, multiList.nameFn, 24);
QB_CHECK_OFFSET(LWPanControlDesc, multiList.colWidth, 32);

QB_CHECK_SIZE(LWControl, 32);
QB_CHECK_OFFSET(LWControl, set, 16);
QB_CHECK_OFFSET(LWControl, priv_data, 24);

QB_CHECK_SIZE(LWPanelFuncs, 112);
QB_CHECK_OFFSET(LWPanelFuncs, close, 40);
QB_CHECK_OFFSET(LWPanelFuncs, get, 48);
QB_CHECK_OFFSET(LWPanelFuncs, set, 56);
QB_CHECK_OFFSET(LWPanelFuncs, addControl, 64);
QB_CHECK_OFFSET(LWPanelFuncs, drawFuncs, 80);
QB_CHECK_OFFSET(LWPanelFuncs, user_data, 88);
QB_CHECK_OFFSET(LWPanelFuncs, globalFun, 96);
QB_CHECK_OFFSET(LWPanelFuncs, destroyControl, 104);

QB_CHECK_SIZE(LWItemInfo9, 336);
QB_CHECK_OFFSET(LWItemInfo9, v2018.name, 64);
QB_CHECK_OFFSET(LWItemInfo9, rotationOrder, 320);
QB_CHECK_OFFSET(LWItemInfo9, relparam, 328);
QB_CHECK_SIZE(LWObjectInfo14, 408);
QB_CHECK_OFFSET(LWObjectInfo14, v2018.getGroupIndex, 208);
QB_CHECK_OFFSET(LWObjectInfo14, pntIndex, 360);
QB_CHECK_OFFSET(LWObjectInfo14, boneWeights, 400);
QB_CHECK_SIZE(LWInterfaceInfo8, 136);
QB_CHECK_OFFSET(LWInterfaceInfo8, v2018.itemVis, 48);
QB_CHECK_OFFSET(LWInterfaceInfo8, DPIScalar, 128);
QB_CHECK_SIZE(LWPanelFuncs3, 128);
QB_CHECK_OFFSET(LWPanelFuncs3, v2018.globalFun, 96);
QB_CHECK_OFFSET(LWPanelFuncs3, setParent, 112);
QB_CHECK_OFFSET(LWPanelFuncs3, getRaster, 120);
QB_CHECK_SIZE(LWCommandInterface, 32);
QB_CHECK_OFFSET(LWCommandInterface, lookup, 8);
QB_CHECK_OFFSET(LWCommandInterface, execute, 16);
QB_CHECK_OFFSET(LWCommandInterface, evaluate, 24);

/* Codes. */
enum {
  MOD_SYSSYNC = 0x04121994,
  MOD_SYSVER = 3,
  LWI_OBJECT = 0,
  LWI_LIGHT = 1,
  LWI_CAMERA = 2,
  LWI_BONE = 3,
  LWT_STRING = 1,
  LWT_INTEGER = 2,
  LWT_BOOLEAN = 8,
  LWT_CHOICE = 9,
  LWT_TEXT = 12,
  LWT_AREA = 19,
  LWT_MLIST = 22,
  PAN_W = 2,
  PAN_H = 3,
  PAN_USERDRAW = 7,
  PAN_USEROPEN = 9,
  PAN_USERCLOSE = 10,
  PAN_USERDATA = 12,
  PAN_TO_FRONT = 23,
  CTL_X = 0,
  CTL_Y = 1,
  CTL_VALUE = 4,
  CTL_LABELWIDTH = 9,
  CTL_USEREVENT = 14,
  CTL_USERDATA = 16
};

#endif
