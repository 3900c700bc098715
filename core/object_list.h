// The owning list: a doubly linked list of objects in the order they were added, used for
// the live enemies and for the sprite catalogues' entries. The list owns its first node and
// each node the one after it, so removing a node destroys it and its object, and nothing is
// freed by hand.
#pragma once

#include <memory>
#include <type_traits>

namespace cindervane {

template <class Object>
class ObjectList {
    static_assert(std::has_virtual_destructor_v<Object> || !std::is_polymorphic_v<Object>,
                  "the list destroys its objects through their own destructor");

  public:
    class Node {
      public:
        // The neighbours, for walking either way; only the list changes them.
        Node* previous = nullptr;
        Node* next = nullptr;
        std::unique_ptr<Object> object;

      private:
        friend class ObjectList;
        // Owns `next`.
        std::unique_ptr<Node> following;
    };

    ObjectList() = default;
    // Destroys whatever objects are still listed.
    virtual ~ObjectList() { clear(); }
    ObjectList(const ObjectList&) = delete;
    ObjectList& operator=(const ObjectList&) = delete;

    // Adds the node (made by the caller) at the tail; the list owns it from now on.
    void append(std::unique_ptr<Node> owned) {
        if (!owned) return;
        Node* node = owned.get();
        node->previous = tail_;
        node->next = nullptr;
        node->following.reset();
        std::unique_ptr<Node>& slot = tail_ ? tail_->following : head_;
        if (tail_) tail_->next = node;
        slot = std::move(owned);
        tail_ = node;
    }

    // Adds the object at the tail in a node of its own; the node, or null for no object.
    Node* append(std::unique_ptr<Object> object) {
        if (!object) return nullptr;
        auto node = std::make_unique<Node>();
        node->object = std::move(object);
        Node* added = node.get();
        append(std::move(node));
        return added;
    }

    // Unlinks a node of this list and destroys it with its object.
    void remove(Node* node) {
        if (!node) return;
        std::unique_ptr<Node>& owner = node->previous ? node->previous->following : head_;
        std::unique_ptr<Node> gone = std::move(owner);
        owner = std::move(gone->following);
        if (node->previous) node->previous->next = node->next;
        if (node->next) {
            node->next->previous = node->previous;
        } else {
            tail_ = node->previous;
        }
    }

    // Removes from the head until empty (one at a time, so a long list never recurses).
    void clear() {
        while (head_)
            remove(head_.get());
    }

    Node* head() const { return head_.get(); }
    Node* tail() const { return tail_; }

  private:
    std::unique_ptr<Node> head_;
    Node* tail_ = nullptr;
};

}  // namespace cindervane
