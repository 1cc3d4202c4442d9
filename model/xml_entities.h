// Entity handling of step texts. Escaping covers the three characters that
// would break the tag search; decoding also accepts the numeric and quote
// forms older files and other tools wrote.
#pragma once

#include <string>
#include <string_view>

namespace zelo {

// "&" -> "&amp;", "<" -> "&lt;", ">" -> "&gt;"; quotes stay.
std::string EncodeXml(std::string_view text);
// Replaces the entities of &amp; &lt; &gt; &apos; &quot; and their numeric forms
// (&#038; &#060; &#062; &#039; &#034;), names in any case, in one left-to-right
// pass: what a replacement produces is not looked at again, so decoding
// undoes EncodeXml exactly.
std::string DecodeXml(std::string_view text);
// The same, appending to out (the reader decodes straight into its buffers).
void DecodeXmlInto(std::string_view text, std::string& out);

}  // namespace zelo
