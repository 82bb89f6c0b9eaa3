#include "persons/person_edit.h"

#include <algorithm>
#include <variant>

#include "persons/date_text.h"
#include "persons/parent_box.h"
#include "store/name_formats.h"

namespace brinox {

namespace {

using Refusal = std::string;

struct DateMessages {
    const char* format;
    const char* check;
};

const DateMessages kBirthMessages{"Geboortedatum:\nfout in invoerformaat.\nVoorbeeld: 13-03-1928",
                                  "Geboortedatum fout"};
const DateMessages kDeathMessages{"Datum van Overlijden \nfout invoerformaat. \nVoorbeeld: 13-03-1928",
                                  "Datum overlijden fout"};

// What passed the checks, ready to be written.
struct CheckedPerson {
    DateNumbers birth;
    DateNumbers death;
    std::optional<RecordNo> father;  // empty: keep the record's
    std::optional<RecordNo> mother;
};

std::variant<Refusal, DateNumbers> checkDate(const std::string& text, const DateMessages& messages) {
    const auto date = parseDateText(text);
    if (!date) return Refusal(messages.format);
    if (!isValidDate(*date)) return Refusal(messages.check);
    return *date;
}

std::optional<Refusal> newSlotRefusal(const PersonTable& persons, RecordNo n) {
    if (n.value > PersonTable::kSlots) return Refusal(kTableFullMessage);
    const char sex = persons.getSex(n);
    const bool freeSlot = n.value <= persons.count() && sex != 'm' && sex != 'v';
    if (n.value == persons.count() + 1 || (n.value >= 1 && freeSlot)) return std::nullopt;
    return "Als nummer " + toText(n) + " kan geen nieuwe persoon worden ingevoerd.";
}

// A parent already in the record is kept as it is, so that a person with an
// odd reference from an old file can still be changed.
std::variant<Refusal, std::optional<RecordNo>> checkParent(const PersonTable& persons, EditMode mode, RecordNo n,
                                                           ParentRole role, const std::string& text) {
    if (text.empty()) return std::optional<RecordNo>();
    const std::string box = role == ParentRole::Father ? "Vader:\n" : "Moeder:\n";
    const auto parent = parentInBox(text);
    if (!parent) return Refusal(box + "geen recordnummer tussen [ en ]");
    const RecordNo current = role == ParentRole::Father ? persons.getFather(n) : persons.getMother(n);
    if (mode == EditMode::NewPerson || *parent != current) {
        if (auto refusal = parentRefusal(persons, role, n, *parent)) return Refusal(box + *refusal);
    }
    return parent;
}

// Steps before the record number: sex and name, then both dates.
std::variant<Refusal, CheckedPerson> checkEntries(const PersonForm& form) {
    if ((form.sex != "m" && form.sex != "v") || (form.familyName.empty() && form.firstNames.empty())) {
        return Refusal("Geef van een persoon minstens \nde sekse (m/v)\nen de naam of de voornaam");
    }
    const auto birth = checkDate(form.birthDate, kBirthMessages);
    if (const auto* refusal = std::get_if<Refusal>(&birth)) return *refusal;
    const auto death = checkDate(form.deathDate, kDeathMessages);
    if (const auto* refusal = std::get_if<Refusal>(&death)) return *refusal;
    return CheckedPerson{std::get<DateNumbers>(birth), std::get<DateNumbers>(death), {}, {}};
}

std::optional<Refusal> checkParents(const PersonTable& persons, EditMode mode, RecordNo n, const PersonForm& form,
                                    CheckedPerson& checked) {
    const auto father = checkParent(persons, mode, n, ParentRole::Father, form.father);
    if (const auto* refusal = std::get_if<Refusal>(&father)) return *refusal;
    const auto mother = checkParent(persons, mode, n, ParentRole::Mother, form.mother);
    if (const auto* refusal = std::get_if<Refusal>(&mother)) return *refusal;
    checked.father = std::get<std::optional<RecordNo>>(father);
    checked.mother = std::get<std::optional<RecordNo>>(mother);
    return std::nullopt;
}

void writeRecord(PersonTable& persons, RecordNo n, const PersonForm& form, const CheckedPerson& checked) {
    persons.setSex(n, form.sex.front());
    persons.setFamilyName(n, form.familyName);
    persons.setFirstNames(n, form.firstNames);
    persons.setNumber(n, n);
    persons.setBirthDay(n, checked.birth.day);
    persons.setBirthMonth(n, checked.birth.month);
    persons.setBirthYear(n, checked.birth.year);
    persons.setDeathDay(n, checked.death.day);
    persons.setDeathMonth(n, checked.death.month);
    persons.setDeathYear(n, checked.death.year);
    if (checked.father) persons.setFather(n, *checked.father);
    if (checked.mother) persons.setMother(n, *checked.mother);
    persons.setInfo1(n, form.info1);
    persons.setInfo2(n, form.info2);
}

StoreOutcome askToGoOn(const PersonTable& persons, Prompt& prompt, EditMode mode, RecordNo n) {
    const bool change = mode == EditMode::Change;
    const std::string text = "Het record van persoon \n" + toText(n) + "  " + persons.getFirstNames(n) + "  " +
                             persons.getFamilyName(n) + "\n" + (change ? "is bijgewerkt." : "is ingevoerd.") +
                             "\n\n" + (change ? "Nog iets wijzigen ?" : "Meer invoeren?");
    const Button answer = prompt.message(MessageKind::Information, text, {Button::Yes, Button::No});
    return answer == Button::Yes ? StoreOutcome::StoredMore : StoreOutcome::StoredStop;
}

}  // namespace

PersonForm newPersonForm() { return PersonForm{"m", "", "", "0-0-0", "0-0-0", "[0]", "[0]", "", ""}; }

PersonForm formOfRecord(const PersonTable& persons, RecordNo r) {
    const char sex = persons.getSex(r);
    return PersonForm{sex == 0 ? std::string() : std::string(1, sex),
                      persons.getFamilyName(r),
                      persons.getFirstNames(r),
                      birthDateText(persons, r),
                      deathDateText(persons, r),
                      parentBoxText(persons, persons.getFather(r)),
                      parentBoxText(persons, persons.getMother(r)),
                      persons.getInfo1(r),
                      persons.getInfo2(r)};
}

std::string editCaption(EditMode mode, RecordNo n) {
    return (mode == EditMode::Change ? "Wijzigen van persoon-record nummer "
                                     : "Invoeren van een nieuwe persoon met nummer ") +
           toText(n);
}

int snapToCount(int value, int count) { return std::min(value, count); }

StoreOutcome storePerson(Session& session, Prompt& prompt, EditMode mode, RecordNo n, const PersonForm& form) {
    PersonTable& persons = session.persons;
    auto entries = checkEntries(form);
    if (const auto* refusal = std::get_if<Refusal>(&entries)) {
        inform(prompt, *refusal);
        return StoreOutcome::Refused;
    }
    if (mode == EditMode::Change && (n.value < 1 || n.value > persons.count())) return StoreOutcome::NotStored;
    if (mode == EditMode::NewPerson) {
        if (const auto refusal = newSlotRefusal(persons, n)) {
            inform(prompt, *refusal);
            return StoreOutcome::Refused;
        }
    }
    auto& checked = std::get<CheckedPerson>(entries);
    if (const auto refusal = checkParents(persons, mode, n, form, checked)) {
        inform(prompt, *refusal);
        return StoreOutcome::Refused;
    }
    writeRecord(persons, n, form, checked);
    if (mode == EditMode::NewPerson && n.value > persons.count()) persons.setCount(n.value);
    session.changed = true;
    return askToGoOn(persons, prompt, mode, n);
}

std::optional<RecordNo> nextNewRecord(const PersonTable& persons) {
    if (persons.count() >= PersonTable::kSlots) return std::nullopt;
    return RecordNo(persons.count() + 1);
}

}  // namespace brinox
