/* Everything a plug-in or a host includes. */
#ifndef SDK_SDK_H
#define SDK_SDK_H

#include "sdk/errors.h"
#include "sdk/messages.h"
#include "sdk/resources.h"
#include "sdk/suites/art.h"
#include "sdk/suites/feedback.h"
#include "sdk/suites/frame.h"
#include "sdk/suites/misc.h"
#include "sdk/suites/services.h"
#include "sdk/suites/text.h"
#include "sdk/suites/tools.h"
#include "sdk/types.h"

#endif
