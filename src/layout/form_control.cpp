#include "layout/form_control.h"

namespace layout {

} // namespace layout
