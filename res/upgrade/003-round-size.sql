-- SPDX-License-Identifier: GPL-3.0-or-later
-- How many winners one round of each prize level may draw, kept with the prize names so that
-- every station of the event sees the same sizes. 8, the most the quota buttons reach on their
-- own, for every level until the operator changes it.
alter table JP add column roundSize1 integer not null default 8;
alter table JP add column roundSize2 integer not null default 8;
alter table JP add column roundSize3 integer not null default 8;
alter table JP add column roundSize4 integer not null default 8;
alter table JP add column roundSize5 integer not null default 8;
alter table JP add column roundSize6 integer not null default 8;
alter table JP add column roundSize7 integer not null default 8;
alter table JP add column roundSize8 integer not null default 8;
