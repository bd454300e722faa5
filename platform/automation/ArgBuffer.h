#pragma once

#include "Variant.h"

#include <cstddef>
#include <memory>
#include <new>
#include <span>

namespace corvane
{

// Room for the arguments of one call: up to eight variants live in place, more on the heap, so that
// the usual invoke allocates nothing for its arguments.
class ArgBuffer
{
public:
    explicit ArgBuffer(std::size_t count)
        : ArgBuffer(count, [](std::size_t) { return Variant(); })
    {
    }
    // Constructs element i in place from make(i).
    template<class Make>
    ArgBuffer(std::size_t count, Make &&make)
        : m_count(0)
    {
        if (count > kInline) {
            m_heap.reset(static_cast<Variant *>(::operator new(count * sizeof(Variant))));
            m_data = m_heap.get();
        } else {
            m_data = std::launder(reinterpret_cast<Variant *>(m_inline));
        }
        try {
            for (; m_count < count; ++m_count)
                new (m_data + m_count) Variant(make(m_count));
        } catch (...) {
            std::destroy_n(m_data, m_count);
            throw;
        }
    }
    ~ArgBuffer() { std::destroy_n(m_data, m_count); }
    ArgBuffer(const ArgBuffer &) = delete;
    ArgBuffer &operator=(const ArgBuffer &) = delete;

    std::span<Variant> Span() noexcept { return {m_data, m_count}; }
    Variant &operator[](std::size_t i) noexcept { return m_data[i]; }

private:
    static constexpr std::size_t kInline = 8;
    std::size_t m_count;
    struct Deallocate {
        void operator()(Variant *p) const noexcept { ::operator delete(p); }
    };
    Variant *m_data;
    std::unique_ptr<Variant, Deallocate> m_heap;
    alignas(Variant) unsigned char m_inline[kInline * sizeof(Variant)];
};

} // namespace corvane
