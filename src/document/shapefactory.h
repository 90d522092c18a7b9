#pragma once

#include "myshape.h"

#include <QString>

#include <memory>

namespace tessarine {

// Makes an empty object of one of the classes label files and the clipboard know, by its
// class name; nullptr for any other name.
std::shared_ptr<TMyShape> CreateShapeOfClass(const QString& className, const TSurfaceContext* context);

} // namespace tessarine
