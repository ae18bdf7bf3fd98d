#include "foundation/FailureText.h"

#include <exception>
#include <new>

std::string CurrentFailureText() noexcept {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return "Not enough memory to complete the operation.";
  } catch (const std::exception& failure) {
    return failure.what();
  } catch (...) {
    return "The operation failed unexpectedly.";
  }
}
