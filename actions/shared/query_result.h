// QueryResult: the rows of the last SQL query, kept program-wide from one
// successful query to the start of the next (or a failed one). The dataset
// loop walks it row by row. One run is active at a time, so one object serves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zelo {

inline constexpr std::size_t kMaxQueryColumns = 256;

struct QueryColumn {
  int32_t width = 0;     // characters a value keeps
  int32_t sql_type = 0;  // the driver's SQL type of the column
  std::vector<std::string> values;  // one per row, each cut to width
};

class QueryResult {
 public:
  void Clear();
  // Adds a column; false when the result has kMaxQueryColumns already.
  bool AddColumn(int32_t width, int32_t sql_type);
  // Appends a row: one value per column (missing ones are empty, extra ones
  // dropped), each cut to its column's width.
  void AddRow(const std::vector<std::string>& values);

  int32_t row_count() const { return row_count_; }
  std::size_t column_count() const { return columns_.size(); }
  // The sum over the columns of width + 1.
  int64_t row_width() const;
  // Rows to walk: rows and at least one column holding them.
  bool HasRows() const { return row_count_ > 0 && !columns_.empty(); }
  // The values of row (from 0) joined by ", "; empty outside the rows.
  std::string RowText(int32_t row) const;

 private:
  std::vector<QueryColumn> columns_;
  int32_t row_count_ = 0;
};

QueryResult& ProgramQueryResult();

}  // namespace zelo
