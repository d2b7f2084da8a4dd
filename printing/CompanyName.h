#pragma once

#include <QString>

namespace printing {

// A name field cut into the organisation a person works for and the person.
struct CompanyAndPerson {
    QString company; // "株式会社山田商事　営業部", or empty
    QString person;  // "山田　太郎", or the whole field
};

// True for an honorific written after a person (様, 殿, 先生, さん), not
// after an organisation (御中) or on a reply card (行).
bool isPersonalHonorific(const QString& honorific);

// The book keeps the company in the name field, ahead of the person and
// parted by spaces: "株式会社山田商事　営業部　山田　太郎". With a personal
// honorific, the leading parts up to the last that names an organisation
// (株式会社, 有限会社, (株), 法人, 事務所, 学校, 大学, 病院, 協会, 組合…,
// or a department ending in 部 or 課 that two more parts follow) are the
// company, the rest the person. Otherwise the whole field is the person.
CompanyAndPerson splitCompany(const QString& name, const QString& honorific);

} // namespace printing
