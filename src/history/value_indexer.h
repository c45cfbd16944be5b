// Turns a copied text into the short, field-ready values that Smart Paste can offer:
// the whole text when short, e-mail and web addresses and phone numbers found in it,
// the values of "Label: value" lines, cells of tab-separated rows, other lines and
// paragraphs. At most 180 distinct values (letter case aside), each at most 500
// characters and never one that looks sensitive. Pure and thread-safe.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace oskel {

std::vector<std::string> indexValues(std::string_view text);

// The order in which the lines of an n-line text are processed: the first and last 20,
// then the middle ones by bisection, at most 160 in all.
std::vector<std::size_t> lineProcessingOrder(std::size_t n);

}  // namespace oskel
