#pragma once
// batch once it has the text of its CSV file: one design per row,
// calculated as calc does, and one line of results per row.

#include <iosfwd>
#include <string>

namespace vantrel {

// The results CSV of a CSV text of designs into out: 0 when every row
// passes both codes, 1 when a row fails a check, 3 when a row reported an
// error; or a refusal of the text (kExitFileError, the message on err naming
// the file path).
int BatchOfText(const std::string& text, const std::string& path, std::string& out,
                std::ostream& err);

}  // namespace vantrel
