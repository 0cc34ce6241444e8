// The top-ten ranking, kept in the saved record, and the record file
// "記録.txt" written beside the program at every save.
#pragma once
#include <string>

// Offers the current run to the ranking (the first step of every save).
void enterRanking();
// Rewrites the record file (CP932, CRLF); EInOutError when it cannot.
void writeRecordFile();
// Where the record file lives, and the bytes it holds for the current state.
std::string recordFilePath();
std::string recordFileBytes();
// The ranking as the title screen shows it, lines separated by "\r".
std::string rankingText();
