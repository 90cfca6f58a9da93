#include "platform/qt_text.h"
