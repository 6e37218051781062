#include "pages/FixedPageHost.h"

FixedPageHost::FixedPageHost(QString seller, QString location, QString country)
    : m_seller(std::move(seller)), m_location(std::move(location)), m_country(std::move(country)) {}
