#include <QCoreApplication>
#include <csignal>
#include <iostream>

#include "report/ReportCommand.h"

int main(int argc, char** argv) {
#ifdef SIGPIPE
    // A reader that goes away makes the write fail, which is reported, instead of ending the
    // program as if all were well.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    return courtlog::report::runReport(QCoreApplication::arguments(), std::cout, std::cerr,
                                       std::vector<std::string>(argv, argv + argc));
}
