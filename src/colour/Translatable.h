// SPDX-License-Identifier: MIT
#pragma once

// Marks a text the user reads for the translation tools, which find it by this name, with the
// context of the window that shows and translates it. Qt's own definition, for the layers that
// do not include Qt; a file that also includes Qt gets the same one twice, which is allowed.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
