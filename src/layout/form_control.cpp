#include "layout/form_control.h"
