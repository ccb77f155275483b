/*
 * host_api.h: the C interface between a Layout plug-in module and its host.
 *
 * Both the module (QB_Layout_Kit_A.p) and the stand-in host (qbhost) include
 * this file; it is the whole contract between them.  Records are plain C
 * structs of function pointers handed out by name through the host's
 * global-lookup function, in the manner of the host's own plug-in SDK.
 *
 * Services whose value is a number ("Product Info", "Locale Info") answer the
 * number itself cast to a pointer.  "LW Command Interface" answers a pointer
 * to an LWCommandInterface record.
 */
#ifndef QB_HOST_API_H
#define QB_HOST_API_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- module descriptor and servers ------------------------------------ */

#define MOD_SYNC 0x04121994u
#define MOD_SYSVER 3u
#define MOD_MACHINE 0x300u

#define GFUSE_TRANSIENT 0

#define AFUNC_OK 0
#define AFUNC_BADVERSION 1
#define AFUNC_BADGLOBAL 2

#define LWLAYOUTGENERIC_CLASS "LayoutGeneric"
#define LWLAYOUTGENERIC_VERSION 6

typedef void *GlobalFunc(const char *serviceName, int useMode);
typedef int ActivateFunc(int version, GlobalFunc *global, void *local, void *serverData);

typedef struct st_ServerTagInfo {
  const char *string;
  unsigned int tag;
} ServerTagInfo;

typedef struct st_ServerRecord {
  const char *className;
  const char *name;
  ActivateFunc *activate;
  ServerTagInfo *tagInfo;
} ServerRecord;

typedef struct st_ModuleDescriptor {
  uint32_t sysSync;
  uint32_t sysVersion;
  uint32_t sysMachine;
  void *(*startup)(void);
  void (*shutdown)(void *serverData);
  ServerRecord *serverDefs;
} ModuleDescriptor;

/* The LayoutGeneric local record handed to an activation.  commandArguments
 * gives the text that followed the server name on the command line (or
 * null); it is called with the record's own data pointer. */
typedef struct st_LWLayoutGeneric {
  void *data;
  const char *(*commandArguments)(void *data);
} LWLayoutGeneric;

/* ---- service names ----------------------------------------------------- */

#define LWPRODUCTINFO_GLOBAL "Product Info"
#define LWLOCALEINFO_GLOBAL "Locale Info"
#define LWCOMMANDINTERFACE_GLOBAL "LW Command Interface"
#define LWINTERFACEINFO_GLOBAL "LW Interface Info 7"
#define LWITEMINFO_GLOBAL "LW Item Info 8"
#define LWOBJECTINFO_GLOBAL "LW Object Info 12"
#define LWPANELFUNCS_GLOBAL "LWPanelServices 2"

/* Product Info: major version in bits 20-23. */
#define LWINF_GETMAJOR(x) (((x) >> 20) & 0xF)
#define LWINF_GETMINOR(x) (((x) >> 16) & 0xF)
#define LWINF_GETBUILD(x) (((x) >> 4) & 0xFFF)
#define LWINF_GETPRODUCT(x) ((x) & 0xF)

#define LANGID_JAPANESE 1041

/* ---- items ------------------------------------------------------------- */

typedef void *LWItemID;
#define LWITEM_NULL ((LWItemID)0)

typedef int LWItemType;
#define LWI_OBJECT 0
#define LWI_LIGHT 1
#define LWI_CAMERA 2
#define LWI_BONE 3

#define LWITEMF_ACTIVE 1u   /* item flags bit 0 */
#define LWGENF_PARENTINPLACE (1u << 2) /* general flags bit 2 */

/* ---- commands ---------------------------------------------------------- */

typedef int LWCommandFunc(const char *command);

typedef struct st_LWCommandInterface {
  LWCommandFunc *evaluate; /* non-zero: done, 0: refused */
} LWCommandInterface;

/* ---- interface info: a snapshot taken at lookup time -------------------- */

typedef struct st_LWInterfaceInfo {
  const LWItemID *selItems;          /* null-terminated, host order */
  int (*itemVis)(LWItemID item);     /* live: display code or 0/1 */
  unsigned int generalFlags;         /* bit 2: parent in place */
} LWInterfaceInfo;

/* ---- item info --------------------------------------------------------- */

typedef struct st_LWItemInfo {
  LWItemID (*first)(LWItemType type, LWItemID objectForBones);
  LWItemID (*next)(LWItemID item);
  LWItemID (*firstChild)(LWItemID parent);
  LWItemID (*nextChild)(LWItemID parent, LWItemID prevChild);
  LWItemID (*parent)(LWItemID item);
  const char *(*name)(LWItemID item); /* null when the name is empty */
  LWItemType (*type)(LWItemID item);
  unsigned int (*flags)(LWItemID item);
} LWItemInfo;

/* ---- object info ------------------------------------------------------- */

typedef struct st_LWObjectInfo {
  const char *(*filename)(LWItemID object); /* null or "" when none */
  unsigned int (*layerNum)(LWItemID object); /* 0: none */
} LWObjectInfo;

/* ---- panels -------------------------------------------------------------- */

typedef void *LWPanelID;
typedef struct st_LWControl LWControl;

/* Value and descriptor type codes. */
#define LWT_NULL 0
#define LWT_STRING 1
#define LWT_INTEGER 2
#define LWT_CHOICE 9
#define LWT_AREA 19
#define LWT_MLIST 22

/* A value passed to or read from a control attribute. */
typedef struct st_LWValue {
  int type;          /* LWT_INTEGER, LWT_STRING or LWT_NULL (pointer) */
  int intv;          /* LWT_INTEGER */
  char *buf;         /* LWT_STRING: text to store, or buffer to fill */
  int bufLen;        /* LWT_STRING: size of buf including the terminator */
  void *ptr;         /* LWT_NULL: user data or callback */
} LWValue;

typedef int LWMListCountFunc(void *userData);
typedef const char *LWMListNameFunc(void *userData, int row, int column);
typedef int LWMListColWidthFunc(void *userData, int column);

/* Control descriptor; which fields count depends on type. */
typedef struct st_LWPanControlDesc {
  int type;                    /* LWT_STRING, LWT_CHOICE, LWT_AREA, LWT_MLIST */
  int width;                   /* string, choice (popup width), area, mlist */
  int height;                  /* area */
  const char **items;          /* choice: null-terminated texts */
  int vertical;                /* choice: layout (0 horizontal) */
  int visItems;                /* mlist: visible rows */
  LWMListCountFunc *countFn;   /* mlist */
  LWMListNameFunc *nameFn;     /* mlist: row -1 is the heading */
  LWMListColWidthFunc *colWidth; /* mlist: 0 ends the columns */
} LWPanControlDesc;

/* Control attribute tags. */
#define CTL_X 0
#define CTL_Y 1
#define CTL_VALUE 4
#define CTL_LABELWIDTH 9
#define CTL_USEREVENT 14
#define CTL_USERDATA 16

/* Draw modes. */
#define DR_ERASE 0
#define DR_RENDER 1
#define DR_GHOST 2

typedef void LWCtlEventFunc(LWControl *control, void *userData);

struct st_LWControl {
  void (*draw)(LWControl *control, int mode);
  void (*get)(LWControl *control, int tag, LWValue *value);
  void (*set)(LWControl *control, int tag, LWValue *value);
  void *priv_data; /* the host's */
};

/* Panel attribute tags. */
#define PAN_W 2
#define PAN_H 3
#define PAN_USERDRAW 7
#define PAN_USEROPEN 9
#define PAN_USERCLOSE 10
#define PAN_USERDATA 12
#define PAN_TO_FRONT 23

/* Panel open flags. */
#define PANF_BLOCKING 1
#define PANF_CANCEL 2
#define PANF_NOBUTT 64

typedef void LWPanHookFunc(LWPanelID panel, void *userData);
typedef void LWPanDrawFunc(LWPanelID panel, void *userData, int mode);

/* set(): PAN_W/PAN_H take an int*, PAN_USERDATA the pointer itself, the
 * callbacks the function pointer cast to void*, PAN_TO_FRONT null. */
typedef struct st_LWPanelFuncs {
  int version;
  LWPanelID (*create)(const char *title, void *userData);
  void (*destroy)(LWPanelID panel);
  int (*open)(LWPanelID panel, int flags);
  void (*close)(LWPanelID panel);
  void (*set)(LWPanelID panel, int tag, void *value);
  void (*get)(LWPanelID panel, int tag, void *value);
  LWControl *(*addControl)(LWPanelID panel, const char *typeName, LWPanControlDesc *desc,
                           const char *label);
  GlobalFunc *globalFun; /* filled in by the module */
} LWPanelFuncs;

#ifdef __cplusplus
}
#endif

#endif /* QB_HOST_API_H */
