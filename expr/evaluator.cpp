#include "expr/evaluator.h"

#include <string>

#include "expr/calc_operators.h"

namespace zelo {

namespace {

static_assert(kCalcValueStackCapacity >= kCalcQueueCapacity,
              "every queued number must find room on the value stack");

bool IsRemovedBlank(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool StartsNumber(char c) { return IsDigit(c) || c == '.'; }

// Walks the expression as if its blanks and its first "CALC" had been cut
// out: a number may run across them ("1 000" is 1000, "1CALC2" is 12) while
// any other skipped character ends it. Nothing is copied, so megabyte
// inputs cost no memory.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {
    FindCalc();
    pos_ = Skip(0);
  }
  bool done() const { return pos_ >= text_.size(); }
  char get() const { return text_[pos_]; }
  // The character after the current one; '\0' at the end.
  char peek() const {
    std::size_t next = Skip(pos_ + 1);
    return next < text_.size() ? text_[next] : '\0';
  }
  void advance() { pos_ = Skip(pos_ + 1); }

  // Takes the number that starts at the current character (a digit, "." or
  // a sign): the run of digits and points that follows. A run unbroken by
  // blanks is returned in place; a broken one is joined in spill.
  std::string_view TakeNumber(std::string* spill) {
    const std::size_t begin = pos_;
    std::size_t end = RunEnd(pos_ + 1);
    pos_ = Skip(end);
    if (done() || !StartsNumber(get())) return text_.substr(begin, end - begin);
    spill->assign(text_.substr(begin, end - begin));
    while (!done() && StartsNumber(get())) {
      end = RunEnd(pos_);
      spill->append(text_.substr(pos_, end - pos_));
      pos_ = Skip(end);
    }
    return *spill;
  }

 private:
  std::size_t RunEnd(std::size_t i) const {
    while (i < text_.size() && StartsNumber(text_[i])) ++i;
    return i;
  }
  std::size_t Skip(std::size_t i) const {
    while (i < text_.size()) {
      if (i == calc_begin_) {
        i = calc_end_;
      } else if (IsRemovedBlank(text_[i])) {
        ++i;
      } else {
        break;
      }
    }
    return i;
  }
  // Blanks are gone before the word is looked for, so "C a L c" counts.
  void FindCalc() {
    static constexpr char kWord[] = "calc";
    std::size_t matched = 0, start = 0;
    for (std::size_t i = 0; i < text_.size(); ++i) {
      if (IsRemovedBlank(text_[i])) continue;
      const char c = static_cast<char>(text_[i] | 0x20);  // lower case for the letters of the word
      if (c == kWord[matched]) {
        if (matched == 0) start = i;
        if (++matched == 4) {
          calc_begin_ = start;
          calc_end_ = i + 1;
          return;
        }
      } else {
        // Only a "c" can begin the word again inside a partial match.
        matched = (c == 'c') ? 1 : 0;
        start = i;
      }
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t calc_begin_ = std::string_view::npos;
  std::size_t calc_end_ = std::string_view::npos;
};

struct QueueEntry {
  double value;
  char op;  // '\0' for a number
};

class Calculation {
 public:
  // False when the working set overflowed.
  bool Parse(Cursor cur) {
    bool operand_due = true;
    while (!cur.done()) {
      const char c = cur.get();
      if (StartsNumber(c) || (c == '-' && operand_due && StartsNumber(cur.peek()))) {
        if (!Enqueue({ReadDecimalRun(cur.TakeNumber(&number_)), '\0'})) return false;
        operand_due = false;
        continue;
      }
      if (c == '(') {
        if (!Push(c)) return false;
        operand_due = true;
      } else if (c == ')') {
        while (ops_size_ > 0 && ops_[ops_size_ - 1] != '(')
          if (!Enqueue({0, ops_[--ops_size_]})) return false;
        if (ops_size_ > 0) --ops_size_;  // the "(" itself
      } else if (IsCalcOperator(c)) {
        if (c == '-' && operand_due) {
          // A sign: it has no left operand, so nothing pending is finished.
          if (!Push(kCalcNegate)) return false;
        } else {
          const int precedence = CalcPrecedence(c);
          while (ops_size_ > 0 && ops_[ops_size_ - 1] != '(' && CalcPrecedence(ops_[ops_size_ - 1]) >= precedence)
            if (!Enqueue({0, ops_[--ops_size_]})) return false;
          if (!Push(c)) return false;
        }
        operand_due = true;
      }
      cur.advance();
    }
    // An unclosed "(" goes to the queue like an operator.
    while (ops_size_ > 0)
      if (!Enqueue({0, ops_[--ops_size_]})) return false;
    return true;
  }

  // Computes the queue; fills result_text and returns the value.
  double Compute(RealText* result_text) {
    double values[kCalcValueStackCapacity];
    std::size_t count = 0;
    std::size_t stop = queue_size_;
    for (std::size_t i = 0; i < queue_size_; ++i) {
      const QueueEntry& e = queue_[i];
      if (e.op == '\0') {
        values[count++] = e.value;
      } else if (e.op == kCalcNegate) {
        if (count == 0) {
          stop = i;
          break;
        }
        values[count - 1] = -values[count - 1];
      } else if (count < 2) {
        stop = i;
        break;
      } else if (!IsCalcOperator(e.op)) {
        if (result_text) {
          char text[] = "Bad Operator: ?";
          text[sizeof text - 2] = e.op;
          *result_text = text;
        }
        return 0;
      } else {
        --count;
        values[count - 1] = ApplyCalcOperator(e.op, values[count - 1], values[count]);
      }
    }
    double value = count > 0 ? values[0] : 0;
    // A "-" left without its operands, as in 5- or 5--, still counts as a
    // sign, once for every "-" of the run.
    if (stop < queue_size_ && queue_[stop].op == '-') {
      for (std::size_t i = stop; i < queue_size_ && queue_[i].op == '-'; ++i) value = -value;
    }
    if (result_text) *result_text = FormatReal(value);
    return value;
  }

 private:
  // Reaching the capacity ends the evaluation.
  bool Enqueue(QueueEntry e) {
    queue_[queue_size_++] = e;
    return queue_size_ < kCalcQueueCapacity;
  }
  bool Push(char op) {
    if (ops_size_ == kCalcOperatorStackCapacity) return false;
    ops_[ops_size_++] = op;
    return true;
  }

  QueueEntry queue_[kCalcQueueCapacity];
  std::size_t queue_size_ = 0;
  char ops_[kCalcOperatorStackCapacity];
  std::size_t ops_size_ = 0;
  std::string number_;  // a number broken by blanks, joined
};

}  // namespace

double EvaluateCalc(std::string_view expression, RealText* result_text) {
  if (result_text) result_text->clear();
  Cursor cur(expression);
  if (cur.done()) return 0;
  Calculation calc;
  if (!calc.Parse(cur)) return 0;
  return calc.Compute(result_text);
}

}  // namespace zelo
