// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/settings.h"

// Every setting the program keeps, with the value a first start uses. A first
// start behaves exactly as designed: a default never changes behaviour.
namespace Settings {

} // namespace Settings
