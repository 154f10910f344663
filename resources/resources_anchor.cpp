// The icons and the manual are compiled in through the resource objects of this library; this
// file only gives the library a translation unit of its own.
namespace biteclock_resources_anchor {
[[maybe_unused]] constexpr int kUnused = 0;
}
