#include "framework/core/DescriptionReader.h"

#include "framework/core/ClassInfo.h"
#include "framework/core/Collection.h"
#include "framework/core/Component.h"
#include "framework/core/DescriptionLexer.h"
#include "framework/core/GbkText.h"
#include "framework/core/Properties.h"
#include "framework/core/UpdateScope.h"

#include <unordered_set>
#include <vector>

namespace fw {

ReadError::ReadError(const std::string& file, int line, const std::string& reason)
    : Exception(Format("%s(%d): %s", file.c_str(), line, reason.c_str())), file_(file), line_(line), reason_(reason) {}

namespace {

// Objects and collection items nested deeper than this are refused (hostile input).
constexpr int kMaxDepth = 64;

struct RawAssignment;

struct RawItem {
    int line = 0;
    std::vector<RawAssignment> properties;
};

struct RawValue {
    enum class Type { Integer, String, Identifier, Set, List, Items };
    Type type = Type::Integer;
    std::int64_t number = 0;
    std::string text;                // String (GBK) or Identifier
    std::vector<std::string> names;  // Set elements or List strings
    std::vector<RawItem> items;
};

struct RawAssignment {
    std::string path;
    int line = 0;
    RawValue value;
};

// Follows every component the reader made: a setter or Loaded() may destroy one, and the
// reader must not touch it afterwards.
class Tracker : public Component {
public:
    Tracker() : Component(nullptr) {}
    void Watch(Component* c) {
        FreeNotification(c);
        alive_.insert(c);
    }
    bool Alive(const Component* c) const { return alive_.count(const_cast<Component*>(c)) != 0; }
    void Notification(Component* c, Operation operation) override {
        Component::Notification(c, operation);
        if (operation == opRemove) alive_.erase(c);
    }

private:
    std::unordered_set<Component*> alive_;
};

// A reference to set once every object exists: `path` is relative to `holder`.
struct Fixup {
    Component* holder;
    std::string path;
    std::string target;
    int line;
};

struct Created {
    Component* component;
    int line;
};

class Reader {
public:
    Reader(std::string_view text, const std::string& file) : lexer_(text, file) {}

    Component* CreateRoot(Component* owner) {
        const Header h = ReadHeader();
        const ClassInfo* cls = FindClass(h.className);
        if (cls == nullptr) Fail(h.line, Format("Class %s not found", h.className.c_str()));
        Component* root = nullptr;
        try {
            root = cls->Create(owner);
        } catch (const std::exception& e) {
            Fail(h.line, e.what());
        }
        try {
            Read(*root, h);
        } catch (...) {
            if (tracker_.Alive(root)) delete root;
            throw;
        }
        return root;
    }

    void ReadRoot(Component& root) {
        const Header h = ReadHeader();
        const ClassInfo* cls = FindClass(h.className);
        if (!GbkSameText(root.ClassName(), h.className) && (cls == nullptr || !root.ClassType().InheritsFrom(*cls)))
            Fail(h.line, Format("Class %s does not match %s", h.className.c_str(), root.ClassName().c_str()));
        try {
            Read(root, h);
        } catch (...) {
            for (auto it = created_.rbegin(); it != created_.rend(); ++it)
                if (tracker_.Alive(it->component)) delete it->component;
            if (tracker_.Alive(&root)) root.SetLoading(false);
            throw;
        }
    }

private:
    struct Header {
        std::string name;
        std::string className;
        int line;
    };

    [[noreturn]] void Fail(int line, const std::string& what) const { lexer_.Fail(line, what); }

    DescriptionToken Expect(DescriptionToken::Type type, const char* what) {
        DescriptionToken t = lexer_.Next();
        if (t.type != type) Fail(t.line, Format("%s expected but %s found", what, t.Describe().c_str()));
        return t;
    }

    void ExpectSymbol(char c) {
        const DescriptionToken t = lexer_.Next();
        if (!t.IsSymbol(c)) Fail(t.line, Format("'%c' expected but %s found", c, t.Describe().c_str()));
    }

    // "object Name: TClass" or "object TClass".
    Header ReadHeader() {
        const DescriptionToken word = lexer_.Next();
        if (!word.IsWord("object")) Fail(word.line, Format("'object' expected but %s found", word.Describe().c_str()));
        Header h;
        h.line = word.line;
        const DescriptionToken first = Expect(DescriptionToken::Type::Identifier, "Name");
        if (lexer_.Peek().IsSymbol(':')) {
            lexer_.Next();
            h.name = first.text;
            h.className = Expect(DescriptionToken::Type::Identifier, "Class name").text;
        } else {
            h.className = first.text;
        }
        return h;
    }

    void Read(Component& root, const Header& h) {
        root_ = &root;
        tracker_.Watch(&root);
        root.SetLoading(true);
        SetName(root, h);
        ReadBody(root, 1);
        const DescriptionToken end = lexer_.Next();
        if (end.type != DescriptionToken::Type::End)
            Fail(end.line, Format("End of file expected but %s found", end.Describe().c_str()));
        ResolveReferences();
        CallLoaded(root, h.line);
    }

    void SetName(Component& c, const Header& h) {
        try {
            c.SetName(h.name);
        } catch (const std::exception& e) {
            Fail(h.line, e.what());
        }
    }

    // Assignments and nested objects up to the matching "end".
    void ReadBody(Component& object, int depth) {
        while (true) {
            const DescriptionToken& t = lexer_.Peek();
            if (t.IsWord("end")) {
                lexer_.Next();
                return;
            }
            if (t.IsWord("object")) {
                ReadChild(object, depth + 1);
            } else if (t.type == DescriptionToken::Type::Identifier) {
                const RawAssignment a = ParseAssignment(depth);
                Apply(object, object, "", a);
            } else {
                Fail(t.line, Format("Property name expected but %s found", t.Describe().c_str()));
            }
        }
    }

    void ReadChild(Component& parent, int depth) {
        const Header h = ReadHeader();
        if (depth > kMaxDepth) Fail(h.line, "Objects nested too deeply");
        const ClassInfo* cls = FindClass(h.className);
        if (cls == nullptr) Fail(h.line, Format("Class %s not found", h.className.c_str()));
        Component* child = nullptr;
        try {
            child = cls->Create(root_);
        } catch (const std::exception& e) {
            Fail(h.line, e.what());
        }
        tracker_.Watch(child);
        created_.push_back({child, h.line});
        child->SetLoading(true);
        SetName(*child, h);
        try {
            child->SetParentComponent(&parent);
        } catch (const std::exception& e) {
            Fail(h.line, e.what());
        }
        ReadBody(*child, depth);
    }

    RawAssignment ParseAssignment(int depth) {
        RawAssignment a;
        DescriptionToken name = lexer_.Next();
        a.line = name.line;
        a.path = name.text;
        while (lexer_.Peek().IsSymbol('.')) {
            lexer_.Next();
            a.path += "." + Expect(DescriptionToken::Type::Identifier, "Property name").text;
        }
        ExpectSymbol('=');
        a.value = ParseValue(depth);
        return a;
    }

    RawValue ParseValue(int depth) {
        RawValue v;
        DescriptionToken t = lexer_.Next();
        switch (t.type) {
        case DescriptionToken::Type::Integer:
            v.type = RawValue::Type::Integer;
            v.number = t.number;
            return v;
        case DescriptionToken::Type::String:
            v.type = RawValue::Type::String;
            v.text = std::move(t.text);
            return v;
        case DescriptionToken::Type::Identifier:
            v.type = RawValue::Type::Identifier;
            v.text = std::move(t.text);
            while (lexer_.Peek().IsSymbol('.')) {
                lexer_.Next();
                v.text += "." + Expect(DescriptionToken::Type::Identifier, "Name").text;
            }
            return v;
        default: break;
        }
        if (t.IsSymbol('[')) {
            v.type = RawValue::Type::Set;
            if (lexer_.Peek().IsSymbol(']')) {
                lexer_.Next();
                return v;
            }
            while (true) {
                v.names.push_back(Expect(DescriptionToken::Type::Identifier, "Set element").text);
                const DescriptionToken sep = lexer_.Next();
                if (sep.IsSymbol(']')) return v;
                if (!sep.IsSymbol(',')) Fail(sep.line, Format("',' or ']' expected but %s found", sep.Describe().c_str()));
            }
        }
        if (t.IsSymbol('(')) {
            v.type = RawValue::Type::List;
            while (!lexer_.Peek().IsSymbol(')')) v.names.push_back(Expect(DescriptionToken::Type::String, "String").text);
            lexer_.Next();
            return v;
        }
        if (t.IsSymbol('<')) {
            v.type = RawValue::Type::Items;
            while (true) {
                DescriptionToken item = lexer_.Next();
                if (item.IsSymbol('>')) return v;
                if (!item.IsWord("item")) Fail(item.line, Format("'item' or '>' expected but %s found", item.Describe().c_str()));
                if (depth + 1 > kMaxDepth) Fail(item.line, "Items nested too deeply");
                RawItem raw;
                raw.line = item.line;
                while (!lexer_.Peek().IsWord("end")) {
                    if (lexer_.Peek().type != DescriptionToken::Type::Identifier)
                        Fail(lexer_.Peek().line, Format("Property name expected but %s found", lexer_.Peek().Describe().c_str()));
                    raw.properties.push_back(ParseAssignment(depth + 1));
                }
                lexer_.Next();
                v.items.push_back(std::move(raw));
            }
        }
        Fail(t.line, Format("Value expected but %s found", t.Describe().c_str()));
    }

    static PropertyValue ToValue(const RawValue& v) {
        switch (v.type) {
        case RawValue::Type::Integer: return PropertyValue::FromInteger(v.number);
        case RawValue::Type::String: return PropertyValue::FromText(v.text);
        case RawValue::Type::Identifier: return PropertyValue::FromIdentifier(v.text);
        case RawValue::Type::Set: return PropertyValue::FromSet(v.names);
        case RawValue::Type::List: {
            StringList lines;
            for (const std::string& s : v.names) lines.Add(s);
            return PropertyValue::FromStrings(lines);
        }
        case RawValue::Type::Items: break;
        }
        return {};
    }

    // Sets one property of `target` (the holder itself or something inside it); `prefix` is
    // the path from the holder to `target`.
    void Apply(Component& holder, Persistent& target, const std::string& prefix, const RawAssignment& a) {
        const PropertyTarget t = FindPropertyTarget(target, a.path);
        if (t.info == nullptr) Fail(a.line, Format("Property %s does not exist", a.path.c_str()));
        const PropertyInfo& p = *t.info;
        const RawValue& v = a.value;
        const bool isNil = v.type == RawValue::Type::Identifier && GbkSameText(v.text, "nil");
        try {
            if (p.type == PropertyType::Component && v.type == RawValue::Type::Identifier && !isNil) {
                fixups_.push_back({&holder, prefix + a.path, v.text, a.line});
                return;
            }
            if (p.type == PropertyType::Event && v.type == RawValue::Type::Identifier) {
                EventHandler handler;
                if (!isNil) {
                    const HandlerInfo* h = root_->ClassType().FindHandler(v.text);
                    if (h == nullptr) Fail(a.line, Format("Event handler %s does not exist", v.text.c_str()));
                    handler = h->bind(*root_);
                }
                Set(p, *t.object, PropertyValue::FromEvent(std::move(handler)));
                return;
            }
            if (p.type == PropertyType::Collection && v.type == RawValue::Type::Items) {
                ReadItems(holder, p, *t.object, prefix + a.path, v);
                return;
            }
            if (v.type == RawValue::Type::Items)
                Fail(a.line, Format("Invalid value <items> for property %s", p.name.c_str()));
            // String lists are read into the live list, not through the owner's setter.
            if (p.type == PropertyType::Strings && v.type == RawValue::Type::List && p.object) {
                if (auto* live = dynamic_cast<StringList*>(p.object(*t.object))) {
                    live->Assign(ToValue(v).AsStrings());
                    return;
                }
            }
            Set(p, *t.object, ToValue(v));
        } catch (const ReadError&) {
            throw;
        } catch (const std::exception& e) {
            Fail(a.line, e.what());
        }
    }

    static void Set(const PropertyInfo& p, Persistent& object, const PropertyValue& value) {
        if (!p.set) throw Exception(Format("Property %s is read-only", p.name.c_str()));
        p.set(object, value);
    }

    // Items replace the collection's items; each item's properties are set in file order.
    void ReadItems(Component& holder, const PropertyInfo& p, Persistent& object, const std::string& path, const RawValue& v) {
        auto* collection = p.object ? dynamic_cast<Collection*>(p.object(object)) : nullptr;
        if (collection == nullptr) throw Exception(Format("Property %s is read-only", p.name.c_str()));
        UpdateScope update(*collection);
        collection->Clear();
        for (const RawItem& raw : v.items) {
            CollectionItem& item = collection->Add();
            const std::string prefix = Format("%s[%d].", path.c_str(), collection->Count() - 1);
            for (const RawAssignment& a : raw.properties) Apply(holder, item, prefix, a);
        }
    }

    Component* Lookup(const std::string& name) const {
        if (GbkSameText(root_->Name(), name)) return root_;
        return root_->FindComponent(name);
    }

    void ResolveReferences() {
        for (const Fixup& f : fixups_) {
            if (!tracker_.Alive(f.holder)) continue;
            Component* target = Lookup(f.target);
            if (target == nullptr) Fail(f.line, Format("Component %s does not exist", f.target.c_str()));
            try {
                SetPropertyValue(*f.holder, f.path, PropertyValue::FromComponent(target));
            } catch (const std::exception& e) {
                Fail(f.line, e.what());
            }
        }
    }

    void CallLoaded(Component& root, int rootLine) {
        std::vector<Created> order;
        order.push_back({&root, rootLine});
        order.insert(order.end(), created_.begin(), created_.end());
        for (const Created& c : order) {
            if (!tracker_.Alive(c.component)) continue;
            c.component->SetLoading(false);
            try {
                c.component->Loaded();
            } catch (const std::exception& e) {
                Fail(c.line, e.what());
            }
        }
    }

    DescriptionLexer lexer_;
    Tracker tracker_;
    Component* root_ = nullptr;
    std::vector<Created> created_;
    std::vector<Fixup> fixups_;
};

} // namespace

Component* DescriptionReader::CreateRoot(std::string_view utf8Text, const std::string& fileName, Component* owner) {
    return Reader(utf8Text, fileName).CreateRoot(owner);
}

void DescriptionReader::ReadRoot(Component& root, std::string_view utf8Text, const std::string& fileName) {
    Reader(utf8Text, fileName).ReadRoot(root);
}

} // namespace fw
