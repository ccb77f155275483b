// Placeholder until the scene model is written.
#include "host/scene.h"
