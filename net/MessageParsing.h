#pragma once

#include "net/Envelope.h"

#include <optional>
#include <variant>

namespace net {

// The message of the envelope's type among the alternatives of Variant, read by its fromJson:
// nullopt with UnknownType when no alternative has the type, with BadField when its fields fail.
template <typename Variant, std::size_t I = 0>
std::variant<Variant, ErrorCode> parseAlternative(const Envelope& envelope)
{
    if constexpr (I == std::variant_size_v<Variant>) {
        return ErrorCode::UnknownType;
    } else {
        using M = std::variant_alternative_t<I, Variant>;
        if (envelope.type != QLatin1String(M::Type))
            return parseAlternative<Variant, I + 1>(envelope);
        if (std::optional<M> message = M::fromJson(envelope.body))
            return Variant{std::move(*message)};
        return ErrorCode::BadField;
    }
}

}  // namespace net
