// The base of every component of a window: an owner, a name and a tag.
//
// Ownership follows C++: a window holds its components as members (or in smart pointers)
// and destroys them. The owner only keeps a list of the components it owns, for lookups
// and for whatever draws the window; a component leaves that list when it is destroyed.
#pragma once

#include <functional>
#include <string>
#include <vector>

class TComponent;
// The event handler of a component: receives the component that raised the event.
using TNotifyEvent = std::function<void(TComponent* sender)>;

class TComponent {
 public:
  explicit TComponent(TComponent* owner, std::string name = "");
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  virtual ~TComponent();

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  // The components this one owns, in creation order.
  const std::vector<TComponent*>& Components() const { return components_; }

  // A free integer that handlers use to tell components apart.
  int Tag = 0;

 private:
  TComponent* owner_;
  std::string name_;
  std::vector<TComponent*> components_;
};
