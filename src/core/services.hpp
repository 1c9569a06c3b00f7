#pragma once
// The run's long-lived parts that belong to one subsystem but are reached by
// many (the printer library loaded for the run, the payment managers' state
// ...). Each subsystem keeps its own type here; core knows none of them, so
// no subsystem has to sit below another just to be reachable. Tests put in
// their own.

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <typeindex>

namespace zelto::core {

class Services {
 public:
  // Puts a part in, replacing one of the same type; returns it.
  template <class T>
  T& put(std::shared_ptr<T> part) {
    T& ref = *part;
    parts_[std::type_index(typeid(T))] = std::move(part);
    return ref;
  }
  template <class T, class... Args>
  T& emplace(Args&&... args) {
    return put(std::make_shared<T>(std::forward<Args>(args)...));
  }
  template <class T>
  T* find() const {
    auto it = parts_.find(std::type_index(typeid(T)));
    return it == parts_.end() ? nullptr : static_cast<T*>(it->second.get());
  }
  template <class T>
  T& get() const {
    if (T* p = find<T>()) return *p;
    throw std::logic_error(std::string("no ") + typeid(T).name() + " in this run");
  }
  template <class T>
  void remove() {
    parts_.erase(std::type_index(typeid(T)));
  }

 private:
  std::map<std::type_index, std::shared_ptr<void>> parts_;
};

}  // namespace zelto::core
