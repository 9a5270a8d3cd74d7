#pragma once
// The one Qt core application of a suite without widgets: made on first use, kept to the end of the process.
// A suite whose main already made an application gets that one.
#include <QCoreApplication>

namespace testsupport {

QCoreApplication& CoreApp();

}  // namespace testsupport
