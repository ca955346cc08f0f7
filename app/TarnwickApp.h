#pragma once
#include <QStringList>

namespace app {

// The application: shows the main window modally and ends with it.
class TarnwickApp {
public:
    // names: the file names given on the command line.
    int InitInstance(const QStringList& names);
};

}  // namespace app
