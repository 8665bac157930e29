#include "plugin/frame/ai_error.h"
