#pragma once

/** Ordering predicates over anything with a strict "<" (dates, numbers, texts, characters), read
 *  as "first is smaller than / greater than / … the second". */
namespace refdata {

template <typename T> [[nodiscard]] constexpr bool istKleiner(const T &first, const T &second)
{
    return first < second;
}

template <typename T> [[nodiscard]] constexpr bool istGroesser(const T &first, const T &second)
{
    return second < first;
}

template <typename T> [[nodiscard]] constexpr bool istKleinerGleich(const T &first, const T &second)
{
    return !(second < first);
}

template <typename T>
[[nodiscard]] constexpr bool istGroesserGleich(const T &first, const T &second)
{
    return !(first < second);
}

} // namespace refdata
