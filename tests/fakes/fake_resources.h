#pragma once
// FakeResources: named RCDATA blobs held in memory; names compare case-insensitively like
// the platform's resource lookup.
#include <map>
#include <string>

#include "base/text_utils.h"
#include "platform/resources.h"

namespace kestrix {

class FakeResources : public Resources {
 public:
  void Add(const std::string& name, const std::string& data) {
    blobs_[AsciiUpperCase(name)] = data;
  }

  uint32_t ReadData(const std::string& name, std::string& data) override {
    auto it = blobs_.find(AsciiUpperCase(name));
    data = it == blobs_.end() ? "" : it->second;
    return it == blobs_.end() ? kErrorResourceNameNotFound : 0;
  }

 private:
  std::map<std::string, std::string> blobs_;
};

}  // namespace kestrix
