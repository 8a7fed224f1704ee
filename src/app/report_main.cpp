#include <QCoreApplication>
#include <iostream>

#include "report/ReportCommand.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return courtlog::report::runReport(QCoreApplication::arguments(), std::cout, std::cerr);
}
