#include "actions/shared/query_result.h"

#include <algorithm>

namespace zelo {

void QueryResult::Clear() {
  columns_.clear();
  row_count_ = 0;
}

bool QueryResult::AddColumn(int32_t width, int32_t sql_type) {
  if (columns_.size() >= kMaxQueryColumns) return false;
  QueryColumn column;
  column.width = std::max(width, 0);
  column.sql_type = sql_type;
  column.values.resize(static_cast<std::size_t>(row_count_));
  columns_.push_back(std::move(column));
  return true;
}

void QueryResult::AddRow(const std::vector<std::string>& values) {
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    QueryColumn& column = columns_[c];
    std::string value = c < values.size() ? values[c] : std::string();
    if (value.size() > static_cast<std::size_t>(column.width)) value.resize(static_cast<std::size_t>(column.width));
    column.values.push_back(std::move(value));
  }
  ++row_count_;
}

int64_t QueryResult::row_width() const {
  int64_t width = 0;
  for (const QueryColumn& c : columns_) width += c.width + 1;
  return width;
}

std::string QueryResult::RowText(int32_t row) const {
  if (row < 0 || row >= row_count_) return {};
  std::string text;
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    if (c > 0) text += ", ";
    text += columns_[c].values[static_cast<std::size_t>(row)];
  }
  return text;
}

QueryResult& ProgramQueryResult() {
  static QueryResult result;
  return result;
}

}  // namespace zelo
