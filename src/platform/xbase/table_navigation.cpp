// Moving through a table: natural and index order, the deleted rule and the
// filter, seeks, and the relations that follow each move.

#include "platform/xbase/table.hpp"
#include "platform/xbase/table_internal.hpp"

namespace zelto::xbase {

void Table::before_move() {
  flush();
  found_ = false;
}

void Table::after_move() { sync_children(); }

// Stands on the first visible record from entry `e` on, stepping forward
// or back through the current order; end of file when there is none.
void Table::settle(std::optional<IndexEntry> e, bool forward) {
  Order& o = *orders_[static_cast<size_t>(order_ - 1)];
  const uint32_t count = dbf_->record_count();
  while (e) {
    if (e->recno >= 1 && e->recno <= count) {
      load(e->recno);
      if (visible()) {
        entry_ = e;
        return;
      }
    }
    e = with_order(o, [&] { return forward ? o.index->next(*e) : o.index->prev(*e); });
  }
  load_eof();
}

void Table::go_top() {
  before_move();
  if (order_ == 0) {
    const uint32_t count = dbf_->record_count();
    load_eof();
    for (uint32_t r = 1; r <= count; ++r) {
      load(r);
      if (visible()) break;
      if (r == count) load_eof();
    }
  } else {
    Order& o = *orders_[static_cast<size_t>(order_ - 1)];
    settle_forward(with_order(o, [&] { return o.index->first(); }));
  }
  bof_ = eof_;
  after_move();
}

void Table::go_bottom() {
  before_move();
  if (order_ == 0) {
    const uint32_t count = dbf_->record_count();
    load_eof();
    for (uint32_t r = count; r >= 1; --r) {
      load(r);
      if (visible()) break;
      if (r == 1) load_eof();
    }
  } else {
    Order& o = *orders_[static_cast<size_t>(order_ - 1)];
    settle_backward(with_order(o, [&] { return o.index->last(); }));
  }
  bof_ = eof_;
  after_move();
}

void Table::go_to(uint32_t recno) {
  before_move();
  if (recno >= 1 && recno <= dbf_->record_count()) {
    load(recno);
    position_entry();
  } else {
    load_eof();
  }
  bof_ = false;
  after_move();
}

void Table::skip(long count) {
  before_move();
  bof_ = false;
  if (count == 0) {
    if (!eof_) {
      load(recno_);
      position_entry();
    }
  } else if (order_ == 0) {
    skip_natural(count);
  } else {
    skip_indexed(count);
  }
  after_move();
}

void Table::skip_natural(long count) {
  const uint32_t total = dbf_->record_count();
  for (; count > 0; --count) {
    uint32_t r = eof_ ? total + 1 : recno_ + 1;
    bool moved = false;
    for (; r <= total; ++r) {
      load(r);
      if (visible()) {
        moved = true;
        break;
      }
    }
    if (!moved) {
      load_eof();
      return;
    }
  }
  for (; count < 0; ++count) {
    uint32_t r = eof_ ? total : recno_ - 1;
    bool moved = false;
    for (; r >= 1; --r) {
      load(r);
      if (visible()) {
        moved = true;
        break;
      }
    }
    if (!moved) {
      // Before the first record: stand on the first visible one, bof set.
      load_eof();
      for (uint32_t t = 1; t <= total; ++t) {
        load(t);
        if (visible()) break;
        if (t == total) load_eof();
      }
      bof_ = true;
      return;
    }
  }
}

void Table::skip_indexed(long count) {
  Order& o = *orders_[static_cast<size_t>(order_ - 1)];
  for (; count > 0; --count) {
    if (eof_) return;
    if (!entry_) position_entry();
    settle_forward(with_order(o, [&] { return o.index->next(*entry_); }));
    if (eof_) return;
  }
  for (; count < 0; ++count) {
    std::optional<IndexEntry> e;
    if (eof_) {
      e = with_order(o, [&] { return o.index->last(); });
    } else {
      if (!entry_) position_entry();
      e = with_order(o, [&] { return o.index->prev(*entry_); });
    }
    settle_backward(e);
    if (eof_) {
      settle_forward(with_order(o, [&] { return o.index->first(); }));
      bof_ = true;
      return;
    }
  }
}

bool Table::seek(const Value& key, bool soft, bool last) {
  if (order_ == 0) throw Error(ErrorKind::Usage, name_ + ": seek without an order");
  before_move();
  Order& o = *orders_[static_cast<size_t>(order_ - 1)];
  std::string prefix = o.expr.encode(key);
  if (prefix.size() > static_cast<size_t>(o.expr.key_size())) prefix.resize(static_cast<size_t>(o.expr.key_size()));
  auto matches = [&] { return !eof_ && entry_ && entry_->key.compare(0, prefix.size(), prefix) == 0; };

  if (last) {
    settle_backward(with_order(o, [&] { return o.index->seek(prefix, true); }));
    found_ = matches();
  } else {
    found_ = false;
  }
  if (!found_) {
    settle_forward(with_order(o, [&] { return o.index->seek(prefix, false); }));
    found_ = matches();
    if (!found_ && !soft) load_eof();
  }
  bof_ = false;
  after_move();
  return found_;
}

void Table::restore(const Position& p) {
  set_order(p.order);
  go_to(p.recno);
}

void Table::set_order(int order) {
  if (order < 0 || order > order_count())
    throw Error(ErrorKind::Usage, name_ + ": no order " + std::to_string(order));
  flush();
  order_ = order;
  position_entry();
}

}  // namespace zelto::xbase
