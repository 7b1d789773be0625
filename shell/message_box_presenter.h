#pragma once

// Shows GlobalErrors' messages in message boxes.

#include "data/error_service.h"

namespace kv {

class MessageBoxPresenter : public MessagePresenter {
public:
    Answer present(const Message& message) override;
};

} // namespace kv
