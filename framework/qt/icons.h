#pragma once

#include "framework/resources.h"

#include <QIcon>

namespace backend {

// Every picture of the icon resource; empty for none.
QIcon IconFromResource(HICON icon);

} // namespace backend
