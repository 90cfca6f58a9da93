#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QCoreApplication>

namespace wazenie {

// The application object of wazenie-cli: a GUI one (fonts for PDF rendering; the offscreen platform
// unless one is set) only when a document is to be rendered, the plain one otherwise, so that the
// other commands never need a window system.
std::unique_ptr<QCoreApplication> make_cli_application(int& argc, char** argv,
                                                       const std::vector<std::string>& args);

}  // namespace wazenie
