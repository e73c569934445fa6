#pragma once
// Ownership of the C libraries' objects (OpenSSL, libxml2, xmlsec): a unique_ptr that frees
// with the library's own function, e.g. std::unique_ptr<X509, Zwolnij<X509, X509_free>>.

#include <memory>

template <typename T, void (*F)(T *)> struct Zwolnij {
    void operator()(T *p) const { F(p); }
};
