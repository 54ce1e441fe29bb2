// What Visual C++ 2012 refuses and clang's GNU mode takes: the Microsoft-mode check must name each
// of these lines. Compiled only by that check's own test.
#include <vector>

class CRefused {
public:
  CRefused() = default;
  CRefused(const CRefused&) = delete;
  void Take() noexcept {}
  int m_count = 0;
};

template <typename... TArgs>
void Forward(TArgs...) {}

std::vector<int> g_list{1, 2, 3};
