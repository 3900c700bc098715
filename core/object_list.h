// The owning list of play objects (the live enemies): a doubly linked list in the order the
// objects were added. Removing a node destroys its object.
#pragma once

#include <memory>
#include <type_traits>

namespace cindervane {

template <class Object>
class ObjectList {
    static_assert(std::has_virtual_destructor_v<Object>,
                  "the list destroys its objects through their virtual destructor");

  public:
    struct Node {
        Node* previous = nullptr;
        Node* next = nullptr;
        std::unique_ptr<Object> object;
    };

    ObjectList() = default;
    // Destroys whatever objects are still listed.
    virtual ~ObjectList() { clear(); }
    ObjectList(const ObjectList&) = delete;
    ObjectList& operator=(const ObjectList&) = delete;

    // Adds the node (made by the caller) at the tail; the list owns it from now on.
    void append(std::unique_ptr<Node> owned) {
        if (!owned) return;
        Node* node = owned.release();
        node->previous = tail_;
        node->next = nullptr;
        if (tail_) {
            tail_->next = node;
        } else {
            head_ = node;
        }
        tail_ = node;
    }

    // Unlinks a node of this list, destroys its object and frees the node.
    void remove(Node* node) {
        if (!node) return;
        if (node->previous) {
            node->previous->next = node->next;
        } else {
            head_ = node->next;
        }
        if (node->next) {
            node->next->previous = node->previous;
        } else {
            tail_ = node->previous;
        }
        delete node;
    }

    // Removes from the head until empty.
    void clear() {
        while (head_)
            remove(head_);
    }

    Node* head() const { return head_; }
    Node* tail() const { return tail_; }

  private:
    Node* head_ = nullptr;
    Node* tail_ = nullptr;
};

}  // namespace cindervane
