#pragma once
// batch: one design per row of a CSV file, calculated as calc does, and one
// line of results per row, read and written row by row: what a run holds is
// bounded by the longest row, not by the file.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace vantrel {

class CsvReader;

// Takes the next lines of results; false when they cannot be written (the
// batch stops there and the caller says why).
using BatchLineSink = std::function<bool(std::string_view lines)>;

// The results of the designs read from designs, line by line into write:
// 0 when every row passes both codes, 1 when a row fails a check, 3 when a
// row reported an error; kExitFileError when the text is refused (the
// message on err naming the file path and the line; results of the rows
// before it may have been written), memory runs out (no abort: the message
// names the line) or write fails (no message).
int BatchOfCsv(CsvReader& designs, const std::string& path, const BatchLineSink& write,
               std::ostream& err);

// BatchOfCsv over a whole text, its results in out (nothing when the text is
// refused): the browser edition's batch.
int BatchOfText(const std::string& text, const std::string& path, std::string& out,
                std::ostream& err);

}  // namespace vantrel
