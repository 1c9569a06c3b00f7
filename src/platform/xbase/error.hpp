#pragma once
// Failures of the table engine. Each carries a kind the callers can test and
// a message that names the file (and field or expression) involved.

#include <stdexcept>
#include <string>

namespace zelto::xbase {

enum class ErrorKind {
  NotFound,        // a table, memo or index file is missing
  InUse,           // another process holds the file exclusively, or we asked for exclusive use and others have it
  Locked,          // a record or file lock could not be obtained
  LockRequired,    // a write to a shared table without holding the record's lock
  Damaged,         // a file's bytes do not make sense (header, page, memo chain)
  BadExpression,   // a key expression the evaluator does not know
  BadField,        // an unknown field name, or a value that does not fit its field
  Io,              // the operating system refused a read or write
  Usage,           // a call out of order (no current record, no order selected ...)
};

class Error : public std::runtime_error {
 public:
  Error(ErrorKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
  ErrorKind kind() const { return kind_; }

 private:
  ErrorKind kind_;
};

}  // namespace zelto::xbase
