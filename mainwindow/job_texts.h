// The cutting library is free of Qt, so its texts (the job's messages and titles, the
// descriptions of the errors it raises) reach the window in English; they are translated here,
// on their way to the screen.
#pragma once

#include <QString>
#include <string>

namespace form1 {

inline constexpr char kJobTextContext[] = "cutting";

// `text` in the user's language: a fixed text of the cutting library, or one composed from
// a known pattern ("Error opening '%1'.%2") whose arguments are kept (and translated when they
// are texts of the library themselves). Anything else, and every text when no translation is
// installed, comes back unchanged.
QString translateJobText(const std::string& text);

} // namespace form1
