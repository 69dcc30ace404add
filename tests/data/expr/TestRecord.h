#pragma once
// A record for tests: named text and number fields whose values the test
// changes between evaluations, as the data layer's record buffers do.

#include "data/expr/FieldSource.h"

#include <string>
#include <vector>

namespace velkora::expr::test {

class TestRecord : public FieldSource {
public:
    struct Field {
        std::string name;
        bool isNumber = false;
        double number = 0;
        std::string text;
    };

    TestRecord& text(const std::string& name, const std::string& value) {
        Field& f = field(name);
        f.isNumber = false;
        f.text = value;
        return *this;
    }
    TestRecord& number(const std::string& name, double value) {
        Field& f = field(name);
        f.isNumber = true;
        f.number = value;
        return *this;
    }

    std::size_t fieldCount() const override { return fields_.size(); }
    std::string_view fieldName(std::size_t index) const override { return fields_[index].name; }
    FieldValue fieldValue(std::size_t index) const override {
        const Field& f = fields_[index];
        return f.isNumber ? FieldValue::ofNumber(f.number) : FieldValue::ofText(f.text);
    }

private:
    Field& field(const std::string& name) {
        for (Field& f : fields_)
            if (f.name == name)
                return f;
        fields_.push_back({name});
        return fields_.back();
    }

    std::vector<Field> fields_;
};

} // namespace velkora::expr::test
