// The items of the palette's drop-down lists: a row's own items, or what the
// computer has (ODBC data sources, services).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/properties/property_rows.h"

namespace zelo {

std::vector<std::string> RowChoices(const PropertyRow& row);
// A list item as the step stores it: a service's running marker removed.
std::string StoredChoice(const PropertyRow& row, std::string_view item);
// Whether the row's list also takes a typed value (names the computer may
// not list, such as a data source on another machine).
bool ListTakesTypedValue(const PropertyRow& row);

}  // namespace zelo
