#pragma once
// Component: the owner relation. An owner frees what it owns when it is destroyed; a component
// that is destroyed first leaves its owner's list, so everything is freed exactly once.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class Component;

// Events are single assignable handlers: read one, save it, put another in its place, call the saved one.
using NotifyEvent = std::function<void(Component* sender)>;

class Component {
public:
    explicit Component(Component* owner);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Component* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    Component* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    // Moves a component into this owner's list (out of its former owner's).
    void InsertComponent(Component* component);
    void RemoveComponent(Component* component);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    bool Destroying() const { return destroying_; }

    // Lets queued work find out whether this component still exists.
    std::weak_ptr<void> LifeToken() const { return life_; }

protected:
    void MarkDestroying() { destroying_ = true; }

private:
    Component* owner_ = nullptr;
    std::vector<Component*> components_;
    std::string name_;
    int tag_ = 0;
    bool destroying_ = false;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

}  // namespace ui
