#pragma once

#include "gui/graphics/ImageList.h"
#include "gui/streaming/LayoutValue.h"

// The picture list a widget keeps in its layout as the binary property "ImageList". The value
// must be exactly one stored list: anything else, including bytes left over after it, throws
// EReadError and leaves the list empty, so that a layout never half-installs a broken list. A
// list embedded in the program is looked at where it lies rather than copied.
void ReadImageListProperty(TImageList& list, const TLayoutValue& value);
// Throws EWriteError when the list does not fit the stored form.
TLayoutValue WriteImageListProperty(const TImageList& list);
