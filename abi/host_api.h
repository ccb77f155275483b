/*
 * host_api.h: the host's binary interface, as Layout of LightWave 3D lays it
 * out for its plug-in modules (product major 15, the 2018 plug-in
 * generation).
 *
 * Every record the module reads or fills is declared member by member in the
 * host's order, under the host's public names, up to at least the last member
 * the module uses; the static assertions at the end pin every offset and size
 * on every platform built.  Both the module (QB_Layout_Kit_A.p) and the
 * stand-in host (qbhost) include this file, so a module that works with
 * qbhost is laid out for the real host.
 *
 * Services whose value is a number ("Product Info", "Locale Info") answer the
 * number in the pointer-sized result.  "LW Command Interface" answers the
 * command function itself, not a record.
 *
 * The 2020 generation of the interface (Layout 2020 to 2025) activates
 * servers with version 7, renames the services and appends members to their
 * records; every member the module uses keeps its offset.  Its records are
 * declared at the end of this file as the 2018 record followed by what was
 * appended, so that a pointer to one is a pointer to the 2018 record too.
 */
#ifndef QB_HOST_API_H
#define QB_HOST_API_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- basic types -------------------------------------------------------- */

typedef void *LWItemID;
typedef void *LWPanelID;
typedef void *LWControlID;
typedef int LWItemType;
typedef int LWType;
typedef double LWTime;
typedef int LWFrame;
typedef double LWDVector[3];
typedef void *LWChanGroupID;
typedef void *LWMeshInfoID;
typedef void *LWTextureID;
typedef void *NodeEditorID;

/* A value of the host's command language; the module never builds or reads
 * one, so only its size counts. */
typedef struct st_DynaValue {
  union {
    double align_;
    unsigned char bytes_[40];
  } opaque_;
} DynaValue;

/* A function slot the module never calls, after the last slot it uses. */
typedef void (*LWUnusedSlot)(void);

/* ---- module descriptor and servers ------------------------------------ */

#define MOD_SYSSYNC 0x04121994u
#define MOD_SYSVER 3u
#if defined(_WIN32)
#define MOD_MACHINE 0x300u
#elif defined(__APPLE__)
#define MOD_MACHINE 0x400u
#else
#define MOD_MACHINE 0x500u
#endif

#define GFUSE_TRANSIENT 0
#define GFUSE_ACQUIRE 1
#define GFUSE_RELEASE 2

#define AFUNC_OK 0
#define AFUNC_BADVERSION 1
#define AFUNC_BADGLOBAL 2
#define AFUNC_BADLOCAL 3
#define AFUNC_BADAPP 4
#define AFUNC_BADAPP_SILENT 5

#define LWLAYOUTGENERIC_CLASS "LayoutGeneric"
#define LWLAYOUTGENERIC_VERSION 6
#define LWLAYOUTGENERIC_VERSION_2020 7 /* texts in UTF-8 */

#define LANGID_USENGLISH 0x0409
#define LANGID_JAPANESE 0x0411

typedef void *GlobalFunc(const char *serviceName, int useMode);
typedef int ActivateFunc(int version, GlobalFunc *global, void *local, void *serverData);

typedef struct st_ServerTagInfo {
  const char *string;
  unsigned int tag; /* a tag code or a language id */
} ServerTagInfo;

typedef struct st_ServerRecord {
  const char *className;
  const char *name;
  ActivateFunc *activate;
  ServerTagInfo *tagInfo;
} ServerRecord;

typedef struct st_ModuleDescriptor {
  unsigned int sysSync;
  unsigned int sysVersion;
  unsigned int sysMachine;
  void *(*startup)(void);
  void (*shutdown)(void *serverData);
  ServerRecord *serverDefs;
} ModuleDescriptor;

/* The LayoutGeneric local record handed to an activation.  The argument text
 * of the command that ran the server is commandArguments(data). */
typedef struct st_LWLayoutGeneric {
  int (*saveScene)(const char *file);
  int (*loadScene)(const char *file, const char *name);
  void *data;
  int (*lookup)(void *data, const char *commandName);
  int (*execute)(void *data, int command, int argc, const DynaValue *argv, DynaValue *result);
  int (*evaluate)(void *data, const char *command);
  const char *(*commandArguments)(void *data);
  int (*parsedArguments)(void *data, DynaValue **argv);
} LWLayoutGeneric;

/* ---- service names ----------------------------------------------------- */

#define LWPRODUCTINFO_GLOBAL "Product Info"
#define LWLOCALEINFO_GLOBAL "Locale Info"
#define LWCOMMANDINTERFACE_GLOBAL "LW Command Interface"
#define LWINTERFACEINFO_GLOBAL "LW Interface Info 7"
#define LWITEMINFO_GLOBAL "LW Item Info 8"
#define LWOBJECTINFO_GLOBAL "LW Object Info 12"
#define LWPANELFUNCS_GLOBAL "LWPanelServices 2"

/* The 2020 generation's names of the same services. */
#define LWCOMMANDINTERFACE_GLOBAL_2020 "LW Command Interface 2"
#define LWINTERFACEINFO_GLOBAL_2020 "LW Interface Info 8"
#define LWITEMINFO_GLOBAL_2020 "LW Item Info 9"
#define LWOBJECTINFO_GLOBAL_2020 "LW Object Info 14"
#define LWPANELFUNCS_GLOBAL_2020 "LWPanelServices 3"

/* Product Info: bits 0-3 product, 4-15 build, 16-19 minor, 20-23 major,
 * 24-29 model year minus 2015. */
#define LWINF_GETMODELYEAR(x) ((((x) >> 24) & 0x3F) + 2015)
#define LWINF_GETMAJOR(x) (((x) >> 20) & 0xF)
#define LWINF_GETMINOR(x) (((x) >> 16) & 0xF)
#define LWINF_GETBUILD(x) (((x) >> 4) & 0xFFF)
#define LWINF_GETPRODUCT(x) ((x)&0xF)

/* ---- "LW Command Interface": the command function itself --------------- */

typedef int LWCommandFunc(const char *command); /* non-zero: done, 0: refused */

/* ---- "LW Item Info 8" ---------------------------------------------------- */

#define LWITEM_NULL ((LWItemID)0)

#define LWI_OBJECT 0
#define LWI_LIGHT 1
#define LWI_CAMERA 2
#define LWI_BONE 3

#define LWITEMF_ACTIVE 1u /* flags bit 0 */

typedef struct st_LWItemInfo {
  LWItemID (*first)(LWItemType type, LWItemID object); /* bones: of that object */
  LWItemID (*next)(LWItemID item);
  LWItemID (*firstChild)(LWItemID parent);
  LWItemID (*nextChild)(LWItemID parent, LWItemID previous);
  LWItemID (*parent)(LWItemID item);
  LWItemID (*target)(LWItemID item);
  LWItemID (*goal)(LWItemID item);
  LWItemType (*type)(LWItemID item);
  const char *(*name)(LWItemID item); /* null when the item has no name */
  void (*param)(LWItemID item, int param, LWTime time, LWDVector vector);
  unsigned int (*limits)(LWItemID item, int param, LWDVector min, LWDVector max);
  const char *(*getTag)(LWItemID item, int tag);
  void (*setTag)(LWItemID item, int tag, const char *text);
  LWChanGroupID (*chanGroup)(LWItemID item);
  const char *(*server)(LWItemID item, const char *className, int index);
  unsigned int (*serverFlags)(LWItemID item, const char *className, int index);
  void (*controller)(LWItemID item, int param, int type[3]);
  unsigned int (*flags)(LWItemID item);
  LWUnusedSlot lookAhead, goalStrength, stiffness, axisLocks, maxLookSteps, reliableDistance, goalObjective,
      ikfkBlending, ikInitialState, ikInitialStateFrame, ikSoft, pole, sameItem, sameItemBlend,
      sameItemBlendMethod, sameItemFlags, selected, follow, controllerTrans, splineItem, splineFit, splineT;
} LWItemInfo;

/* ---- "LW Object Info 12" -------------------------------------------------- */

typedef struct st_LWObjectInfo {
  const char *(*filename)(LWItemID object); /* null or "" for a null object */
  int (*numPoints)(LWItemID object);
  int (*numPolygons)(LWItemID object);
  unsigned int (*shadowOpts)(LWItemID object);
  double (*dissolve)(LWItemID object, LWTime time);
  LWMeshInfoID (*meshInfo)(LWItemID object, int frozen);
  unsigned int (*flags)(LWItemID object);
  double (*fog)(LWItemID object, LWTime time);
  LWTextureID (*dispMap)(LWItemID object);
  LWTextureID (*clipMap)(LWItemID object);
  void (*patchLevel)(LWItemID object, int *display, int *render);
  void (*metaballRes)(LWItemID object, double *display, double *render);
  LWItemID (*boneSource)(LWItemID object);
  LWItemID (*morphTarget)(LWItemID object);
  double (*morphAmount)(LWItemID object, LWTime time);
  unsigned int (*edgeOpts)(LWItemID object);
  void (*edgeColor)(LWItemID object, LWTime time, LWDVector color);
  int (*subdivOrder)(LWItemID object);
  double (*polygonSize)(LWItemID object, LWTime time);
  int (*excluded)(LWItemID object, LWItemID light);
  void (*matteColor)(LWItemID object, LWTime time, LWDVector color);
  double (*thickness)(LWItemID object, LWTime time, int type);
  double (*edgeZScale)(LWItemID object, LWTime time);
  double (*shrinkEdgesNominalDistance)(LWItemID object, LWTime time);
  double (*maxDissolveDistance)(LWItemID object);
  double (*bumpDistance)(LWItemID object);
  unsigned int (*getGroupIndex)(LWItemID object); /* the object's layer number; 0: none */
  LWUnusedSlot dispMapOrder, bumpOrder, getNodeEditor, nodeOrder, bounds, shadowoffsetdistance, instancer,
      getEdgeNodeEditor, layerLoaded, getAlphaValue, giMode, bruteForceRays, primaryRays, secondaryRays,
      missingSampleRays, angularTolerance, minimumPixelSpacing, maximumPixelSpacing;
} LWObjectInfo;

/* ---- "LW Interface Info 7": a snapshot taken at lookup time -------------- */

#define LWGENF_PARENTINPLACE (1u << 2) /* generalFlags bit 2 */

typedef struct st_LWInterfaceInfo {
  LWTime curTime;
  const LWItemID *selItems; /* null-terminated, in the host's order */
  unsigned int (*itemFlags)(LWItemID item);
  LWFrame previewStart, previewEnd, previewStep;
  int dynaUpdate;
  void (*schemaPos)(LWItemID item, double *x, double *y);
  int (*itemVis)(LWItemID item); /* objects: display code 0-7; others 0/1 */
  unsigned int displayFlags;
  unsigned int generalFlags;
  int boxThreshold;
  int (*itemColor)(LWItemID item);
  void (*setItemColorIndex)(LWItemID item, int color);
  void (*setItemColorCustom)(LWItemID item, double *color);
  int alertLevel;
  int autoKeyCreate;
  void (*defaultItemTypeColor)(LWItemType type, float *color, int set);
  void (*itemColorRgba)(LWItemID item, unsigned int state, float rgba[4]);
  float (*itemIconScale)(LWItemID item);
} LWInterfaceInfo;

/* ---- "LWPanelServices 2" ---------------------------------------------------- */

/* Value and descriptor type codes. */
enum {
  LWT_NULL = 0,
  LWT_STRING = 1,
  LWT_INTEGER = 2,
  LWT_FLOAT = 3,
  LWT_DISTANCE = 4,
  LWT_VINT = 5,
  LWT_VFLOAT = 6,
  LWT_VDIST = 7,
  LWT_BOOLEAN = 8,
  LWT_CHOICE = 9,
  LWT_SURFACE = 10,
  LWT_FONT = 11,
  LWT_TEXT = 12,
  LWT_LAYERS = 13,
  LWT_CUSTOM = 14,
  LWT_RANGE = 15,
  LWT_LWITEM = 16,
  LWT_PERCENT = 17,
  LWT_POPUP = 18,
  LWT_AREA = 19,
  LWT_XPANEL = 20,
  LWT_TREE = 21,
  LWT_MLIST = 22,
  LWT_POINTER = 23
};

/* A value passed to or read from a control attribute: a union whose
 * variants all start with the type code.  A caller's LWValue is always the
 * whole union: get may write a whole variant. */
typedef struct st_LWValString {
  LWType type;
  char *buf;  /* set: the text; get: the caller's buffer */
  int bufLen; /* size of buf, terminator included */
} LWValString;

typedef struct st_LWValInt {
  LWType type;
  int value;
  int defVal;
} LWValInt;

typedef struct st_LWValFloat {
  LWType type;
  double value;
  double defVal;
} LWValFloat;

typedef struct st_LWValIVector {
  LWType type;
  int val[3];
  int defVal;
} LWValIVector;

typedef struct st_LWValFVector {
  LWType type;
  double val[3];
  double defVal;
} LWValFVector;

typedef struct st_LWValPointer {
  LWType type;
  void *ptr;
} LWValPointer;

typedef struct st_LWValCustom {
  LWType type;
  int val[4];
} LWValCustom;

typedef union un_LWValue {
  LWType type;
  LWValString str;
  LWValInt intv;
  LWValFloat flt;
  LWValIVector ivec;
  LWValFVector fvec;
  LWValPointer ptr;
  LWValCustom cust;
} LWValue;

/* Control descriptors: a union whose variants all start with the type code. */
typedef int LWMListCountFunc(void *userData);
typedef const char *LWMListNameFunc(void *userData, int row, int column); /* row -1: the heading */
typedef int LWMListColWidthFunc(void *userData, int column);              /* 0 ends the columns */

typedef struct st_LWPanStringDesc {
  LWType type;
  int width; /* characters */
} LWPanStringDesc;

typedef struct st_LWPanChoiceDesc {
  LWType type;
  const char **items; /* null-terminated */
  int vertical;       /* choice controls: 1 vertical; pop-ups: their width */
} LWPanChoiceDesc;

typedef struct st_LWPanTextDesc {
  LWType type;
  const char **text; /* null-terminated lines, may be empty */
} LWPanTextDesc;

typedef struct st_LWPanAreaDesc {
  LWType type;
  int width;
  int height;
} LWPanAreaDesc;

typedef struct st_LWPanMultiListDesc {
  LWType type;
  int width;
  int visItems;
  int top;
  LWMListCountFunc *countFn;
  LWMListNameFunc *nameFn;
  LWMListColWidthFunc *colWidth;
} LWPanMultiListDesc;

/* The variants the module never builds (range, lwitem, popup, listbox,
 * xpanel, tree, multiTree, editor): their room in the union. */
typedef struct st_LWPanOtherDesc {
  LWType type;
  void *fields[6];
} LWPanOtherDesc;

typedef union un_LWPanControlDesc {
  LWType type;
  LWPanStringDesc string;
  LWPanChoiceDesc choice;
  LWPanTextDesc text;
  LWPanAreaDesc area;
  LWPanMultiListDesc multiList;
  LWPanOtherDesc other;
} LWPanControlDesc;

/* Control attribute tags. */
#define CTL_X 0
#define CTL_Y 1
#define CTL_W 2
#define CTL_H 3
#define CTL_VALUE 4
#define CTL_HOTX 5
#define CTL_HOTY 6
#define CTL_HOTW 7
#define CTL_HOTH 8
#define CTL_LABELWIDTH 9
#define CTL_MOUSEX 10
#define CTL_MOUSEY 11
#define CTL_FLAGS 12
#define CTL_USERDRAW 13
#define CTL_USEREVENT 14
#define CTL_LABEL 15
#define CTL_USERDATA 16

#define CTLF_GHOST 0x100
#define CTLF_INVISIBLE 0x200

/* Draw modes. */
#define DR_ERASE 0
#define DR_RENDER 1
#define DR_GHOST 2
#define DR_REFRESH 3

/* The control record addControl answers; the control handle passed to its
 * functions is the record's own address. */
typedef struct st_LWControl {
  void (*draw)(LWControlID control, int drawMode);
  void (*get)(LWControlID control, int tag, LWValue *value);
  void (*set)(LWControlID control, int tag, LWValue *value);
  void *priv_data; /* the host's */
} LWControl;

typedef void LWCtlEventFunc(LWControlID control, void *userData);

/* Panel attribute tags. */
#define PAN_X 0
#define PAN_Y 1
#define PAN_W 2
#define PAN_H 3
#define PAN_MOUSEX 4
#define PAN_MOUSEY 5
#define PAN_FLAGS 6
#define PAN_USERDRAW 7
#define PAN_USERACTIVATE 8
#define PAN_USEROPEN 9
#define PAN_USERCLOSE 10
#define PAN_TITLE 11
#define PAN_USERDATA 12
#define PAN_USERKEYS 13
#define PAN_TO_FRONT 23

/* Panel open flags. */
#define PANF_BLOCKING 1
#define PANF_CANCEL 2
#define PANF_FRAME 4
#define PANF_MOUSETRAP 8
#define PANF_PASSALLKEYS 16
#define PANF_ABORT 32
#define PANF_NOBUTT 64
#define PANF_RESIZE 128

typedef void LWPanHookFunc(LWPanelID panel, void *userData);
typedef void LWPanDrawFunc(LWPanelID panel, void *userData, int drawMode);

/* The host's drawing functions; the module never draws. */
typedef struct st_LWDrawFuncs LWDrawFuncs;

/* set/get: PAN_W and PAN_H pass an int *, PAN_USERDATA and the callback tags
 * the pointer or function pointer itself. */
typedef struct st_LWPanelFuncs {
  LWPanelID (*create)(const char *title, void *userData);
  void (*destroy)(LWPanelID panel);
  int (*open)(LWPanelID panel, int flags);
  int (*handle)(LWPanelID panel, int eventFlags);
  void (*draw)(LWPanelID panel, int drawMode);
  void (*close)(LWPanelID panel);
  void (*get)(LWPanelID panel, int tag, void *value);
  void (*set)(LWPanelID panel, int tag, void *value);
  LWControl *(*addControl)(LWPanelID panel, const char *typeName, LWPanControlDesc *desc, const char *label);
  LWControl *(*nextControl)(LWPanelID panel, LWControlID control);
  LWDrawFuncs *drawFuncs;
  void *user_data;       /* free for the plug-in */
  GlobalFunc *globalFun; /* filled in by the plug-in before it creates a panel */
  void (*destroyControl)(LWPanelID panel, LWControlID control);
} LWPanelFuncs;

/* ---- the 2020 generation's records --------------------------------------- */

/* "LW Command Interface 2": a record in place of the bare function; its
 * texts are UTF-8.  evaluate answers as the bare function does. */
typedef struct st_LWCommandInterface {
  void *data; /* first argument of the functions below */
  int (*lookup)(void *data, const char *command);
  int (*execute)(void *data, int tag, int argc, const DynaValue *argv, DynaValue *result);
  int (*evaluate)(void *data, const char *commandLine); /* non-zero: done, 0: refused */
} LWCommandInterface;

/* "LW Item Info 9" */
typedef struct st_LWItemInfo9 {
  LWItemInfo info; /* the 2018 record, unchanged */
  LWUnusedSlot rotationOrder, relparam;
} LWItemInfo9;

/* "LW Object Info 14" */
typedef struct st_LWObjectInfo14 {
  LWObjectInfo info;
  LWUnusedSlot pntIndex, polIndex, boneMode, numLimitedBones, numBoneWeightsPnts, boneWeights;
} LWObjectInfo14;

/* "LW Interface Info 8" */
typedef struct st_LWInterfaceInfo8 {
  LWInterfaceInfo info;
  float (*DPIScalar)(void);
} LWInterfaceInfo8;

/* "LWPanelServices 3" */
typedef struct st_LWPanelFuncs3 {
  LWPanelFuncs funcs;
  LWUnusedSlot setParent, getRaster;
} LWPanelFuncs3;

/* ---- the layouts, pinned ---------------------------------------------------- */

#ifdef __cplusplus
#define QB_ABI_ASSERT(condition, what) static_assert(condition, what)
#else
#define QB_ABI_ASSERT(condition, what) _Static_assert(condition, what)
#endif
#define QB_ABI_AT(record, member, offset) \
  QB_ABI_ASSERT(offsetof(record, member) == (offset), #record "." #member " is at offset " #offset)
#define QB_ABI_SIZE(record, size) QB_ABI_ASSERT(sizeof(record) == (size), #record " is " #size " bytes")

QB_ABI_SIZE(DynaValue, 40);

QB_ABI_SIZE(ModuleDescriptor, 40);
QB_ABI_AT(ModuleDescriptor, sysSync, 0);
QB_ABI_AT(ModuleDescriptor, sysVersion, 4);
QB_ABI_AT(ModuleDescriptor, sysMachine, 8);
QB_ABI_AT(ModuleDescriptor, startup, 16);
QB_ABI_AT(ModuleDescriptor, shutdown, 24);
QB_ABI_AT(ModuleDescriptor, serverDefs, 32);

QB_ABI_SIZE(ServerRecord, 32);
QB_ABI_AT(ServerRecord, className, 0);
QB_ABI_AT(ServerRecord, name, 8);
QB_ABI_AT(ServerRecord, activate, 16);
QB_ABI_AT(ServerRecord, tagInfo, 24);
QB_ABI_SIZE(ServerTagInfo, 16);
QB_ABI_AT(ServerTagInfo, string, 0);
QB_ABI_AT(ServerTagInfo, tag, 8);

QB_ABI_SIZE(LWLayoutGeneric, 64);
QB_ABI_AT(LWLayoutGeneric, saveScene, 0);
QB_ABI_AT(LWLayoutGeneric, loadScene, 8);
QB_ABI_AT(LWLayoutGeneric, data, 16);
QB_ABI_AT(LWLayoutGeneric, lookup, 24);
QB_ABI_AT(LWLayoutGeneric, execute, 32);
QB_ABI_AT(LWLayoutGeneric, evaluate, 40);
QB_ABI_AT(LWLayoutGeneric, commandArguments, 48);
QB_ABI_AT(LWLayoutGeneric, parsedArguments, 56);

QB_ABI_SIZE(LWItemInfo, 320);
QB_ABI_AT(LWItemInfo, first, 0);
QB_ABI_AT(LWItemInfo, next, 8);
QB_ABI_AT(LWItemInfo, firstChild, 16);
QB_ABI_AT(LWItemInfo, nextChild, 24);
QB_ABI_AT(LWItemInfo, parent, 32);
QB_ABI_AT(LWItemInfo, target, 40);
QB_ABI_AT(LWItemInfo, goal, 48);
QB_ABI_AT(LWItemInfo, type, 56);
QB_ABI_AT(LWItemInfo, name, 64);
QB_ABI_AT(LWItemInfo, param, 72);
QB_ABI_AT(LWItemInfo, limits, 80);
QB_ABI_AT(LWItemInfo, getTag, 88);
QB_ABI_AT(LWItemInfo, setTag, 96);
QB_ABI_AT(LWItemInfo, chanGroup, 104);
QB_ABI_AT(LWItemInfo, server, 112);
QB_ABI_AT(LWItemInfo, serverFlags, 120);
QB_ABI_AT(LWItemInfo, controller, 128);
QB_ABI_AT(LWItemInfo, flags, 136);
QB_ABI_AT(LWItemInfo, lookAhead, 144);
QB_ABI_AT(LWItemInfo, splineT, 312);

QB_ABI_SIZE(LWObjectInfo, 360);
QB_ABI_AT(LWObjectInfo, filename, 0);
QB_ABI_AT(LWObjectInfo, numPoints, 8);
QB_ABI_AT(LWObjectInfo, bumpDistance, 200);
QB_ABI_AT(LWObjectInfo, getGroupIndex, 208);
QB_ABI_AT(LWObjectInfo, dispMapOrder, 216);
QB_ABI_AT(LWObjectInfo, getEdgeNodeEditor, 272);
QB_ABI_AT(LWObjectInfo, layerLoaded, 280);
QB_ABI_AT(LWObjectInfo, getAlphaValue, 288);
QB_ABI_AT(LWObjectInfo, maximumPixelSpacing, 352);

QB_ABI_SIZE(LWInterfaceInfo, 128);
QB_ABI_AT(LWInterfaceInfo, curTime, 0);
QB_ABI_AT(LWInterfaceInfo, selItems, 8);
QB_ABI_AT(LWInterfaceInfo, itemFlags, 16);
QB_ABI_AT(LWInterfaceInfo, previewStart, 24);
QB_ABI_AT(LWInterfaceInfo, previewEnd, 28);
QB_ABI_AT(LWInterfaceInfo, previewStep, 32);
QB_ABI_AT(LWInterfaceInfo, dynaUpdate, 36);
QB_ABI_AT(LWInterfaceInfo, schemaPos, 40);
QB_ABI_AT(LWInterfaceInfo, itemVis, 48);
QB_ABI_AT(LWInterfaceInfo, displayFlags, 56);
QB_ABI_AT(LWInterfaceInfo, generalFlags, 60);
QB_ABI_AT(LWInterfaceInfo, boxThreshold, 64);
QB_ABI_AT(LWInterfaceInfo, itemColor, 72);
QB_ABI_AT(LWInterfaceInfo, setItemColorIndex, 80);
QB_ABI_AT(LWInterfaceInfo, setItemColorCustom, 88);
QB_ABI_AT(LWInterfaceInfo, alertLevel, 96);
QB_ABI_AT(LWInterfaceInfo, autoKeyCreate, 100);
QB_ABI_AT(LWInterfaceInfo, defaultItemTypeColor, 104);
QB_ABI_AT(LWInterfaceInfo, itemColorRgba, 112);
QB_ABI_AT(LWInterfaceInfo, itemIconScale, 120);

QB_ABI_SIZE(LWPanelFuncs, 112);
QB_ABI_AT(LWPanelFuncs, create, 0);
QB_ABI_AT(LWPanelFuncs, destroy, 8);
QB_ABI_AT(LWPanelFuncs, open, 16);
QB_ABI_AT(LWPanelFuncs, handle, 24);
QB_ABI_AT(LWPanelFuncs, draw, 32);
QB_ABI_AT(LWPanelFuncs, close, 40);
QB_ABI_AT(LWPanelFuncs, get, 48);
QB_ABI_AT(LWPanelFuncs, set, 56);
QB_ABI_AT(LWPanelFuncs, addControl, 64);
QB_ABI_AT(LWPanelFuncs, nextControl, 72);
QB_ABI_AT(LWPanelFuncs, drawFuncs, 80);
QB_ABI_AT(LWPanelFuncs, user_data, 88);
QB_ABI_AT(LWPanelFuncs, globalFun, 96);
QB_ABI_AT(LWPanelFuncs, destroyControl, 104);

QB_ABI_SIZE(LWControl, 32);
QB_ABI_AT(LWControl, draw, 0);
QB_ABI_AT(LWControl, get, 8);
QB_ABI_AT(LWControl, set, 16);
QB_ABI_AT(LWControl, priv_data, 24);

QB_ABI_SIZE(LWValue, 40);
QB_ABI_AT(LWValue, intv.value, 4);
QB_ABI_AT(LWValue, intv.defVal, 8);
QB_ABI_AT(LWValue, str.buf, 8);
QB_ABI_AT(LWValue, str.bufLen, 16);
QB_ABI_AT(LWValue, flt.value, 8);
QB_ABI_AT(LWValue, flt.defVal, 16);
QB_ABI_AT(LWValue, ivec.val, 4);
QB_ABI_AT(LWValue, ivec.defVal, 16);
QB_ABI_AT(LWValue, fvec.val, 8);
QB_ABI_AT(LWValue, fvec.defVal, 32);
QB_ABI_AT(LWValue, ptr.ptr, 8);
QB_ABI_AT(LWValue, cust.val, 4);

QB_ABI_SIZE(LWPanControlDesc, 56);
QB_ABI_AT(LWPanControlDesc, string.width, 4);
QB_ABI_AT(LWPanControlDesc, choice.items, 8);
QB_ABI_AT(LWPanControlDesc, choice.vertical, 16);
QB_ABI_AT(LWPanControlDesc, text.text, 8);
QB_ABI_AT(LWPanControlDesc, area.width, 4);
QB_ABI_AT(LWPanControlDesc, area.height, 8);
QB_ABI_AT(LWPanControlDesc, multiList.width, 4);
QB_ABI_AT(LWPanControlDesc, multiList.visItems, 8);
QB_ABI_AT(LWPanControlDesc, multiList.top, 12);
QB_ABI_AT(LWPanControlDesc, multiList.countFn, 16);
QB_ABI_AT(LWPanControlDesc, multiList.nameFn, 24);
QB_ABI_AT(LWPanControlDesc, multiList.colWidth, 32);

QB_ABI_SIZE(LWCommandInterface, 32);
QB_ABI_AT(LWCommandInterface, data, 0);
QB_ABI_AT(LWCommandInterface, lookup, 8);
QB_ABI_AT(LWCommandInterface, execute, 16);
QB_ABI_AT(LWCommandInterface, evaluate, 24);

QB_ABI_SIZE(LWItemInfo9, 336);
QB_ABI_AT(LWItemInfo9, info.name, 64);
QB_ABI_AT(LWItemInfo9, info.flags, 136);
QB_ABI_AT(LWItemInfo9, rotationOrder, 320);
QB_ABI_AT(LWItemInfo9, relparam, 328);

QB_ABI_SIZE(LWObjectInfo14, 408);
QB_ABI_AT(LWObjectInfo14, info.getGroupIndex, 208);
QB_ABI_AT(LWObjectInfo14, pntIndex, 360);
QB_ABI_AT(LWObjectInfo14, polIndex, 368);
QB_ABI_AT(LWObjectInfo14, boneMode, 376);
QB_ABI_AT(LWObjectInfo14, numLimitedBones, 384);
QB_ABI_AT(LWObjectInfo14, numBoneWeightsPnts, 392);
QB_ABI_AT(LWObjectInfo14, boneWeights, 400);

QB_ABI_SIZE(LWInterfaceInfo8, 136);
QB_ABI_AT(LWInterfaceInfo8, info.selItems, 8);
QB_ABI_AT(LWInterfaceInfo8, info.generalFlags, 60);
QB_ABI_AT(LWInterfaceInfo8, DPIScalar, 128);

QB_ABI_SIZE(LWPanelFuncs3, 128);
QB_ABI_AT(LWPanelFuncs3, funcs.globalFun, 96);
QB_ABI_AT(LWPanelFuncs3, setParent, 112);
QB_ABI_AT(LWPanelFuncs3, getRaster, 120);

#undef QB_ABI_AT
#undef QB_ABI_SIZE
#undef QB_ABI_ASSERT

#ifdef __cplusplus
}
#endif

#endif /* QB_HOST_API_H */
