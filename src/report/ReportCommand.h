#pragma once

#include <QStringList>
#include <iosfwd>
#include <string>
#include <vector>

namespace courtlog::report {

// Exit statuses of courtlog-report.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUnreadable = 1;  // the match file cannot be used
inline constexpr int kExitUsage = 2;       // the command line is wrong

// courtlog-report [--at N] [--format text|json|csv|html] FILE.clg: loads the match file as the
// window does, moves to point N (default: the end) and writes to out what the window would show
// there (text, json), the point log (csv) or the match report (html) up to that point.
// courtlog-report --total [--format text|json|html] FILE.clg...: adds several matches up by
// player. Messages the window would show go to err, one line each. arguments starts with the
// program's name; rawArguments, when given, are the same as the bytes the program received, so
// that file names that are not valid text still open.
int runReport(const QStringList& arguments, std::ostream& out, std::ostream& err,
              std::vector<std::string> rawArguments = {});

// What --version says for the named program, in the language in use: "courtlog, versione
// 1.1.0", the number last, where programs that read it look.
std::string versionText(const std::string& program);

}  // namespace courtlog::report
