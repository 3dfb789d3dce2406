#include "ByteSearch.h"

#include <atomic>
#include <bit>
#include <cstdint>

#if defined(__i386__) || defined(__x86_64__)
#include <emmintrin.h>
#endif
#if defined(__i386__)
#include <cpuid.h>
#endif

namespace {

using Word = std::uintptr_t;
constexpr Word LowBits = ~Word{0} / 0xFF;  // 0x0101...
constexpr Word HighBits = LowBits << 7;    // 0x8080...

// The high bit of each byte that is zero is set. Bytes above the first zero
// byte may be flagged wrongly (a borrow runs on), never bytes below it, so on
// a little-endian machine the lowest flag is the first zero byte.
inline Word ZeroBytes(Word word) { return (word - LowBits) & ~word & HighBits; }

inline bool Matches(char byte, char a, char b, char c) { return byte == a || byte == b || byte == c; }

#if defined(__i386__) || defined(__x86_64__)
#if defined(__i386__)
// The 32-bit Windows ABI keeps the stack 4-byte aligned only; the vector code
// must not assume more.
#define TOLLIMER_SSE2_CODE __attribute__((target("sse2")))
#define TOLLIMER_SSE2 __attribute__((target("sse2"), force_align_arg_pointer))
#else
#define TOLLIMER_SSE2_CODE
#define TOLLIMER_SSE2
#endif

TOLLIMER_SSE2_CODE inline __attribute__((always_inline)) __m128i Load(const char* at) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

// 0xFF in each byte of `v` that equals a byte of a, b or c.
TOLLIMER_SSE2_CODE inline __attribute__((always_inline)) __m128i MatchBytes(__m128i v, __m128i a, __m128i b,
                                                                           __m128i c) {
  return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, a), _mm_cmpeq_epi8(v, b)), _mm_cmpeq_epi8(v, c));
}

TOLLIMER_SSE2 const char* FindFirstOfSse2(const char* p, const char* to, char a, char b, char c) {
  const __m128i va = _mm_set1_epi8(a);
  const __m128i vb = _mm_set1_epi8(b);
  const __m128i vc = _mm_set1_epi8(c);
  // Two blocks a round: one test of the pair, then which one.
  while (to - p >= 32) {
    const __m128i first = MatchBytes(Load(p), va, vb, vc);
    const __m128i second = MatchBytes(Load(p + 16), va, vb, vc);
    const int found = _mm_movemask_epi8(_mm_or_si128(first, second));
    if (found != 0) {
      const int low = _mm_movemask_epi8(first);
      if (low != 0) return p + std::countr_zero(static_cast<unsigned>(low));
      return p + 16 + std::countr_zero(static_cast<unsigned>(_mm_movemask_epi8(second)));
    }
    p += 32;
  }
  if (to - p >= 16) {
    const int found = _mm_movemask_epi8(MatchBytes(Load(p), va, vb, vc));
    if (found != 0) return p + std::countr_zero(static_cast<unsigned>(found));
    p += 16;
  }
  while (p != to && !Matches(*p, a, b, c)) ++p;
  return p;
}
#endif

#if defined(__i386__)
// Asked once: cpuid is slow, above all in a virtual machine, and the answer
// never changes while the process runs. A second thread asking at the same
// time only asks again.
constinit std::atomic<int> Sse2Known{0};  // 0: not asked yet, 1: no, 2: yes

bool HasSse2() {
  int known = Sse2Known.load(std::memory_order_relaxed);
  if (known == 0) {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    known = (__get_cpuid(1, &eax, &ebx, &ecx, &edx) && (edx & bit_SSE2) != 0) ? 2 : 1;
    Sse2Known.store(known, std::memory_order_relaxed);
  }
  return known == 2;
}
#endif

}  // namespace

const char* FindFirstOfByWords(const char* p, const char* to, char a, char b, char c) {
  static_assert(std::endian::native == std::endian::little, "the first flagged byte is the lowest");
  const Word wa = LowBits * static_cast<unsigned char>(a);
  const Word wb = LowBits * static_cast<unsigned char>(b);
  const Word wc = LowBits * static_cast<unsigned char>(c);
  while (static_cast<std::size_t>(to - p) >= sizeof(Word)) {
    Word word;
    __builtin_memcpy(&word, p, sizeof word);  // unaligned; compiles to a load
    const Word found = ZeroBytes(word ^ wa) | ZeroBytes(word ^ wb) | ZeroBytes(word ^ wc);
    if (found != 0) return p + std::countr_zero(found) / 8;
    p += sizeof(Word);
  }
  while (p != to && !Matches(*p, a, b, c)) ++p;
  return p;
}

const char* FindFirstOf(const char* from, const char* to, char a, char b, char c) {
#if defined(__x86_64__)
  return FindFirstOfSse2(from, to, a, b, c);
#elif defined(__i386__)
  return HasSse2() ? FindFirstOfSse2(from, to, a, b, c) : FindFirstOfByWords(from, to, a, b, c);
#else
  return FindFirstOfByWords(from, to, a, b, c);
#endif
}
