#include "ylogs/export/pdf_join.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace orvex {
namespace {

// A value of a PDF object. Atoms (numbers, names, strings, keywords) keep
// the bytes they were written in; only references are written anew.
struct Value {
  enum class Kind { kAtom, kRef, kArray, kDict };
  Kind kind = Kind::kAtom;
  std::string_view raw;
  std::uint32_t ref = 0;
  std::vector<Value> items;  // an array's values; a dictionary's keys and values in turn

  const Value* Get(std::string_view key) const {
    if (kind != Kind::kDict) return nullptr;
    for (std::size_t i = 0; i + 1 < items.size(); i += 2)
      if (items[i].raw == key) return &items[i + 1];
    return nullptr;
  }
};

bool IsSpace(char c) {
  return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool IsDelimiter(char c) {
  return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' ||
         c == '}' || c == '/' || c == '%';
}

template <class Number>
std::optional<Number> ToNumber(std::string_view text) {
  Number n{};
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return n;
}

// Reads values out of a document's bytes, from a place the caller sets.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  std::size_t pos = 0;

  bool AtEnd() {
    SkipSpace();
    return pos >= text_.size();
  }

  void SkipSpace() {
    while (pos < text_.size()) {
      if (IsSpace(text_[pos])) {
        ++pos;
      } else if (text_[pos] == '%') {
        while (pos < text_.size() && text_[pos] != '\n' && text_[pos] != '\r') ++pos;
      } else {
        break;
      }
    }
  }

  // A run of regular characters (a number, a keyword); empty when none.
  std::string_view Token() {
    SkipSpace();
    const std::size_t start = pos;
    while (pos < text_.size() && !IsSpace(text_[pos]) && !IsDelimiter(text_[pos])) ++pos;
    return text_.substr(start, pos - start);
  }

  bool Keyword(std::string_view word) {
    const std::size_t start = pos;
    if (Token() == word) return true;
    pos = start;
    return false;
  }

  std::optional<Value> Parse(int depth = 0) {
    if (depth > 64) return std::nullopt;  // nesting no printed page needs
    SkipSpace();
    if (pos >= text_.size()) return std::nullopt;
    const std::size_t start = pos;
    const char c = text_[pos];
    if (c == '<' && pos + 1 < text_.size() && text_[pos + 1] == '<')
      return Container(Value::Kind::kDict, ">>", depth);
    if (c == '[') return Container(Value::Kind::kArray, "]", depth);
    if (c == '<') {
      const std::size_t end = text_.find('>', pos);
      if (end == std::string_view::npos) return std::nullopt;
      pos = end + 1;
      return Atom(start);
    }
    if (c == '(') return LiteralString();
    if (c == '/') {
      ++pos;
      while (pos < text_.size() && !IsSpace(text_[pos]) && !IsDelimiter(text_[pos])) ++pos;
      return Atom(start);
    }
    const std::string_view token = Token();
    if (token.empty()) return std::nullopt;  // a stray delimiter
    if (const auto number = ToNumber<std::uint32_t>(token)) {
      // "N G R" refers to object N.
      const std::size_t after = pos;
      if (ToNumber<std::uint32_t>(Token()) && Token() == "R") {
        Value ref;
        ref.kind = Value::Kind::kRef;
        ref.ref = *number;
        return ref;
      }
      pos = after;
    }
    return Atom(start);
  }

 private:
  Value Atom(std::size_t start) const {
    Value v;
    v.raw = text_.substr(start, pos - start);
    return v;
  }

  std::optional<Value> Container(Value::Kind kind, std::string_view close, int depth) {
    pos += close.size();  // "<<" or "["
    Value v;
    v.kind = kind;
    for (;;) {
      SkipSpace();
      if (text_.substr(pos, close.size()) == close) break;
      std::optional<Value> item = Parse(depth + 1);
      if (!item) return std::nullopt;
      const bool key_expected = kind == Value::Kind::kDict && v.items.size() % 2 == 0;
      if (key_expected && (item->kind != Value::Kind::kAtom || item->raw[0] != '/'))
        return std::nullopt;
      v.items.push_back(std::move(*item));
    }
    pos += close.size();
    if (kind == Value::Kind::kDict && v.items.size() % 2 != 0) return std::nullopt;
    return v;
  }

  std::optional<Value> LiteralString() {
    const std::size_t start = pos++;
    int open = 1;
    while (pos < text_.size() && open > 0) {
      const char c = text_[pos++];
      if (c == '\\') {
        ++pos;
      } else if (c == '(') {
        ++open;
      } else if (c == ')') {
        --open;
      }
    }
    if (open > 0 || pos > text_.size()) return std::nullopt;
    return Atom(start);
  }

  std::string_view text_;
};

// An object of a document: its value and, for a stream, its data.
struct Object {
  Value value;
  std::string_view stream;
  bool has_stream = false;
};

// One document, read: where its objects are, and its trailer.
class Document {
 public:
  explicit Document(std::string_view text) : text_(text) {}

  bool ReadCrossReferences() {
    const std::size_t mark = text_.rfind("startxref");
    if (mark == std::string_view::npos) return false;
    Reader r(text_);
    r.pos = mark + 9;
    std::optional<std::uint64_t> at = ToNumber<std::uint64_t>(r.Token());
    std::unordered_set<std::uint64_t> seen;
    // The newest section first; an update's /Prev leads to the one before.
    while (at) {
      if (*at >= text_.size() || !seen.insert(*at).second) return false;
      r.pos = static_cast<std::size_t>(*at);
      if (!r.Keyword("xref")) return false;  // a cross-reference stream: not read
      while (!r.Keyword("trailer")) {
        const auto first = ToNumber<std::uint32_t>(r.Token());
        const auto count = ToNumber<std::uint32_t>(r.Token());
        if (!first || !count) return false;
        for (std::uint32_t i = 0; i < *count; ++i) {
          const auto offset = ToNumber<std::uint64_t>(r.Token());
          const auto generation = ToNumber<std::uint32_t>(r.Token());
          const std::string_view kind = r.Token();
          if (!offset || !generation || (kind != "n" && kind != "f")) return false;
          if (kind == "n") offsets_.emplace(*first + i, *offset);  // newer entries stay
        }
      }
      std::optional<Value> trailer = r.Parse();
      if (!trailer || trailer->kind != Value::Kind::kDict) return false;
      const Value* prev = trailer->Get("/Prev");
      at = prev && prev->kind == Value::Kind::kAtom ? ToNumber<std::uint64_t>(prev->raw)
                                                    : std::nullopt;
      if (prev && !at) return false;
      if (seen.size() == 1) trailer_ = std::move(*trailer);  // the newest says where the root is
    }
    return true;
  }

  const Value& trailer() const { return trailer_; }

  std::optional<Object> Load(std::uint32_t number, bool with_stream = true) const {
    const auto found = offsets_.find(number);
    if (found == offsets_.end() || found->second >= text_.size()) return std::nullopt;
    Reader r(text_);
    r.pos = static_cast<std::size_t>(found->second);
    if (ToNumber<std::uint32_t>(r.Token()) != number || !ToNumber<std::uint32_t>(r.Token()) ||
        !r.Keyword("obj"))
      return std::nullopt;
    Object object;
    std::optional<Value> value = r.Parse();
    if (!value) return std::nullopt;
    object.value = std::move(*value);
    if (!with_stream || !r.Keyword("stream")) return object;
    // The data starts after the keyword's line end and runs /Length bytes.
    if (r.pos < text_.size() && text_[r.pos] == '\r') ++r.pos;
    if (r.pos < text_.size() && text_[r.pos] == '\n') ++r.pos;
    const std::optional<std::uint64_t> length = StreamLength(object.value);
    if (!length || *length > text_.size() - r.pos) return std::nullopt;
    object.stream = text_.substr(r.pos, static_cast<std::size_t>(*length));
    object.has_stream = true;
    r.pos += object.stream.size();
    if (!r.Keyword("endstream")) return std::nullopt;
    return object;
  }

 private:
  std::optional<std::uint64_t> StreamLength(const Value& dict) const {
    const Value* length = dict.Get("/Length");
    if (!length) return std::nullopt;
    if (length->kind == Value::Kind::kRef) {
      const std::optional<Object> held = Load(length->ref, false);
      if (!held) return std::nullopt;
      return ToNumber<std::uint64_t>(held->value.raw);
    }
    return ToNumber<std::uint64_t>(length->raw);
  }

  std::string_view text_;
  std::unordered_map<std::uint32_t, std::uint64_t> offsets_;
  Value trailer_;
};

// What a page takes from the nodes above it when it does not say itself.
constexpr std::string_view kInherited[] = {"/Resources", "/MediaBox", "/CropBox", "/Rotate"};

struct Leaf {
  std::uint32_t number = 0;
  std::vector<std::pair<std::string_view, Value>> inherited;
};

// The pages of a page tree, in order; every node of it in `nodes`.
bool WalkPages(const Document& doc, std::uint32_t number,
               std::vector<std::pair<std::string_view, Value>> inherited, int depth,
               std::vector<Leaf>& leaves, std::unordered_set<std::uint32_t>& nodes) {
  if (depth > 64 || !nodes.insert(number).second) return false;  // a loop
  const std::optional<Object> node = doc.Load(number, false);
  if (!node || node->value.kind != Value::Kind::kDict) return false;
  const Value* type = node->value.Get("/Type");
  const Value* kids = node->value.Get("/Kids");
  if (type && type->raw == "/Page") {
    leaves.push_back({number, std::move(inherited)});
    return true;
  }
  if (!kids || kids->kind != Value::Kind::kArray) return false;
  for (std::string_view key : kInherited) {
    if (const Value* v = node->value.Get(key)) {
      std::erase_if(inherited, [key](const auto& kv) { return kv.first == key; });
      inherited.emplace_back(key, *v);
    }
  }
  for (const Value& kid : kids->items) {
    if (kid.kind != Value::Kind::kRef ||
        !WalkPages(doc, kid.ref, inherited, depth + 1, leaves, nodes))
      return false;
  }
  return true;
}

// Writes values with their references renumbered.
class Renumbering {
 public:
  Renumbering(std::unordered_set<std::uint32_t> tree, std::function<std::uint32_t()> next)
      : tree_(std::move(tree)), next_(std::move(next)) {}

  // The number `old` gets; a page left out, or a node of the old tree,
  // gets none.
  std::optional<std::uint32_t> Map(std::uint32_t old) {
    if (const auto found = map_.find(old); found != map_.end()) return found->second;
    if (tree_.count(old)) return std::nullopt;
    const std::uint32_t number = next_();
    map_.emplace(old, number);
    waiting_.push_back(old);
    return number;
  }
  void Give(std::uint32_t old, std::uint32_t number) { map_.emplace(old, number); }

  void Write(const Value& v, std::string& out) {
    switch (v.kind) {
      case Value::Kind::kAtom:
        out += v.raw;
        return;
      case Value::Kind::kRef:
        if (const std::optional<std::uint32_t> n = Map(v.ref)) {
          out += std::to_string(*n);
          out += " 0 R";
        } else {
          out += "null";
        }
        return;
      case Value::Kind::kArray:
      case Value::Kind::kDict: {
        const bool dict = v.kind == Value::Kind::kDict;
        out += dict ? "<<" : "[";
        for (std::size_t i = 0; i < v.items.size(); ++i) {
          if (i > 0) out += dict && i % 2 == 0 ? "\n" : " ";
          Write(v.items[i], out);
        }
        out += dict ? ">>" : "]";
        return;
      }
    }
  }

  // The next object reached but not yet written; none when all are.
  std::optional<std::uint32_t> TakeWaiting() {
    if (waiting_.empty()) return std::nullopt;
    const std::uint32_t old = waiting_.back();
    waiting_.pop_back();
    return old;
  }

 private:
  std::unordered_set<std::uint32_t> tree_;
  std::function<std::uint32_t()> next_;
  std::unordered_map<std::uint32_t, std::uint32_t> map_;
  std::vector<std::uint32_t> waiting_;
};

Value Name(std::string_view name) {
  Value v;
  v.raw = name;
  return v;
}

void AppendObject(std::string& out, std::uint32_t number, std::string_view body) {
  out += std::to_string(number);
  out += " 0 obj\n";
  out += body;
  out += "\nendobj\n";
}

constexpr std::uint32_t kRootPages = 1;
constexpr std::uint32_t kCatalog = 2;

}  // namespace

PdfJoiner::PdfJoiner(std::string& out) : out_(out), offsets_(kCatalog + 1, 0) {}

std::uint32_t PdfJoiner::NewObject() {
  offsets_.push_back(0);
  return static_cast<std::uint32_t>(offsets_.size() - 1);
}

bool PdfJoiner::Add(std::string_view pdf, const std::function<bool(std::size_t)>& keep) {
  Document doc(pdf);
  if (pdf.substr(0, 5) != "%PDF-" || !doc.ReadCrossReferences()) return false;
  const Value* root = doc.trailer().Get("/Root");
  if (!root || root->kind != Value::Kind::kRef) return false;
  const std::optional<Object> catalog = doc.Load(root->ref, false);
  const Value* pages = catalog ? catalog->value.Get("/Pages") : nullptr;
  if (!pages || pages->kind != Value::Kind::kRef) return false;
  std::vector<Leaf> leaves;
  std::unordered_set<std::uint32_t> tree;
  if (!WalkPages(doc, pages->ref, {}, 0, leaves, tree)) return false;

  // Numbers are handed out as objects are reached; taken back should the
  // document turn out not to be understood.
  const std::size_t numbers_before = offsets_.size();
  std::vector<std::pair<std::uint32_t, std::size_t>> placed;  // number, where in `body`
  std::string body;
  Renumbering renumbering(tree, [this] { return NewObject(); });
  std::vector<std::pair<const Leaf*, std::uint32_t>> kept;
  for (std::size_t i = 0; i < leaves.size(); ++i) {
    if (!keep(pages_read_ + i + 1)) continue;
    kept.emplace_back(&leaves[i], NewObject());
    renumbering.Give(leaves[i].number, kept.back().second);
  }
  const std::uint32_t node = kept.empty() ? 0 : NewObject();
  std::uint32_t info = 0;
  const Value* info_ref = doc.trailer().Get("/Info");
  if (!started_ && info_ref && info_ref->kind == Value::Kind::kRef && !kept.empty())
    info = renumbering.Map(info_ref->ref).value_or(0);

  const auto fail = [&] {
    offsets_.resize(numbers_before);
    return false;
  };
  for (const auto& [leaf, number] : kept) {
    std::optional<Object> page = doc.Load(leaf->number, false);
    if (!page || page->value.kind != Value::Kind::kDict) return fail();
    Value& dict = page->value;
    for (std::size_t k = 0; k + 1 < dict.items.size();) {
      if (dict.items[k].raw == "/Parent") {
        dict.items.erase(dict.items.begin() + static_cast<std::ptrdiff_t>(k),
                         dict.items.begin() + static_cast<std::ptrdiff_t>(k + 2));
      } else {
        k += 2;
      }
    }
    for (const auto& [key, value] : leaf->inherited) {
      if (dict.Get(key)) continue;
      dict.items.push_back(Name(key));
      dict.items.push_back(value);
    }
    std::string text;
    renumbering.Write(dict, text);
    text.insert(text.size() - 2, "\n/Parent " + std::to_string(node) + " 0 R");
    placed.emplace_back(number, body.size());
    AppendObject(body, number, text);
  }
  while (const std::optional<std::uint32_t> old = renumbering.TakeWaiting()) {
    const std::uint32_t number = *renumbering.Map(*old);
    std::optional<Object> object = doc.Load(*old);
    std::string text;
    if (object) {
      renumbering.Write(object->value, text);
      if (object->has_stream) {
        text += "\nstream\n";
        text += object->stream;
        text += "\nendstream";
      }
    } else {
      text = "null";  // a reference to nothing is one to null
    }
    placed.emplace_back(number, body.size());
    AppendObject(body, number, text);
  }
  if (node != 0) {
    std::string kids;
    for (const auto& [leaf, number] : kept) kids += std::to_string(number) + " 0 R ";
    placed.emplace_back(node, body.size());
    AppendObject(body, node,
                 "<</Type /Pages\n/Parent " + std::to_string(kRootPages) + " 0 R\n/Kids [" + kids +
                     "]\n/Count " + std::to_string(kept.size()) + ">>");
    part_nodes_.push_back(node);
  }

  if (!started_) {
    // The first document's version line, and bytes above 127 to mark the
    // file as binary.
    const std::size_t line = pdf.find_first_of("\r\n");
    out_ += pdf.substr(0, std::min<std::size_t>(line, 8));
    out_ += "\n%\xE2\xE3\xCF\xD3\n";
    started_ = true;
  }
  if (info != 0) info_ = info;
  for (const auto& [number, at] : placed) offsets_[number] = out_.size() + at;
  out_ += body;
  pages_read_ += leaves.size();
  pages_kept_ += kept.size();
  return true;
}

bool PdfJoiner::Finish() {
  if (!started_) {
    out_ += "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    started_ = true;
  }
  std::string kids;
  for (std::uint32_t node : part_nodes_) kids += std::to_string(node) + " 0 R ";
  offsets_[kRootPages] = out_.size();
  AppendObject(
      out_, kRootPages,
      "<</Type /Pages\n/Kids [" + kids + "]\n/Count " + std::to_string(pages_kept_) + ">>");
  offsets_[kCatalog] = out_.size();
  AppendObject(out_, kCatalog, "<</Type /Catalog\n/Pages " + std::to_string(kRootPages) + " 0 R>>");
  const std::size_t xref = out_.size();
  out_ += "xref\n0 " + std::to_string(offsets_.size()) + "\n0000000000 65535 f \n";
  for (std::size_t n = 1; n < offsets_.size(); ++n) {
    const std::string offset = std::to_string(offsets_[n]);
    out_.append(offset.size() < 10 ? 10 - offset.size() : 0, '0');
    out_ += offset;
    out_ += " 00000 n \n";
  }
  out_ += "trailer\n<</Size " + std::to_string(offsets_.size()) + "\n/Root " +
          std::to_string(kCatalog) + " 0 R";
  if (info_ != 0) out_ += "\n/Info " + std::to_string(info_) + " 0 R";
  out_ += ">>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return pages_kept_ > 0;
}

}  // namespace orvex
