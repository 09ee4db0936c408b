// Component base: owner, owned components in creation order, name and tag.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TComponent;

enum class TOperation { opInsert, opRemove };

// Component state flags.
enum TComponentStateFlag : unsigned { csLoading = 1u << 0, csDesigning = 1u << 1, csDestroying = 1u << 2 };

// A component is owned by at most one other component, which frees it when it is itself freed.
// Owned components are created with `new` and handed to their owner in the constructor.
class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();

    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    unsigned ComponentState() const { return state_; }
    bool IsLoading() const { return (state_ & csLoading) != 0; }
    bool IsDestroying() const { return (state_ & csDestroying) != 0; }
    // No form designer exists here; the flag is set only by code that stands in for one (tests).
    bool IsDesigning() const { return (state_ & csDesigning) != 0; }
    void SetDesigning(bool designing) {
        state_ = designing ? (state_ | csDesigning) : (state_ & ~static_cast<unsigned>(csDesigning));
    }

    // Class name as text ("TButton") and "is a" test along the class chain.
    virtual const char* ClassName() const { return "TComponent"; }
    // Whether the class name is exactly this text (a descendant has a name of its own).
    bool ClassNameIs(const std::string& name) const { return name == ClassName(); }
    template <class T> bool Is() const { return dynamic_cast<const T*>(this) != nullptr; }

    // Owner-side bookkeeping; the constructor and destructor call these.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    // Marks the start and end of building a component tree from its layout; EndLoading calls Loaded
    // on this component and every owned one.
    void BeginLoading();
    void EndLoading();

    // Called on the owner and on every component below it (its owned components, theirs, ...) when a
    // component is inserted into or removed from this owner; so a component owned by a form hears of
    // forms that the application creates later.
    virtual void Notification(TComponent* component, TOperation operation);

protected:
    // Tells the owner's tree again that this component was inserted. The first notice comes from the base
    // constructor, before the derived class exists; a class that listeners look for (forms) repeats it
    // once its own constructor has run.
    void AnnounceInsertion();
    // Called once the layout that created this component has been built.
    virtual void Loaded() {}
    // Frees every owned component, last created first. Derived destructors that need their children
    // gone before their own teardown call it; the base destructor calls it in any case.
    void DestroyComponents();

private:
    void NotifyTree(TComponent* component, TOperation operation);
    void NotifyInsertion(TComponent* component);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::string name_;
    int tag_ = 0;
    unsigned state_ = 0;
};
