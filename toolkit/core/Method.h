// Method pointers with identity: an (object, member function) pair that can be bound, cleared, called and compared.
#pragma once

#include <type_traits>

template <class Signature>
class TMethod;

template <class R, class... Args>
class TMethod<R(Args...)> {
public:
    using Thunk = R (*)(void*, Args...);

    TMethod() = default;

    // Binds `Member` (a member function of C with this signature) to `object`.
    template <auto Member, class C>
    static TMethod Of(C* object) {
        return TMethod(static_cast<void*>(object), &Invoke<C, Member>);
    }

    R operator()(Args... args) const {
        if (thunk_ == nullptr) return R();
        return thunk_(data_, static_cast<Args&&>(args)...);
    }

    explicit operator bool() const { return thunk_ != nullptr; }
    void Clear() { *this = TMethod(); }

    // Code and bound object: two methods are the same when both match.
    Thunk Code() const { return thunk_; }
    void* Data() const { return data_; }

    friend bool operator==(const TMethod& a, const TMethod& b) { return a.thunk_ == b.thunk_ && a.data_ == b.data_; }
    friend bool operator!=(const TMethod& a, const TMethod& b) { return !(a == b); }

private:
    TMethod(void* data, Thunk thunk) : data_(data), thunk_(thunk) {}

    // One thunk per (class, member): its address is the code identity.
    template <class C, auto Member>
    static R Invoke(void* data, Args... args) {
        return (static_cast<C*>(data)->*Member)(static_cast<Args&&>(args)...);
    }

    void* data_ = nullptr;
    Thunk thunk_ = nullptr;
};

namespace method_detail {
template <class M>
struct MemberSignature;
template <class C, class R, class... Args>
struct MemberSignature<R (C::*)(Args...)> {
    using Class = C;
    using Type = R(Args...);
};
}  // namespace method_detail

// MethodOf<&TMyForm::OkClick>(this): the signature and class come from the member.
template <auto Member>
TMethod<typename method_detail::MemberSignature<decltype(Member)>::Type> MethodOf(
    typename method_detail::MemberSignature<decltype(Member)>::Class* object) {
    using Signature = typename method_detail::MemberSignature<decltype(Member)>::Type;
    return TMethod<Signature>::template Of<Member>(object);
}
